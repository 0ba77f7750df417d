// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's own menu, opened by a right click on the picture: the picture to the
// clipboard, to a file, the plot's samples to a file, the print preview.
#pragma once

#include "plot/PlotRequest.h"

#include <QMenu>
#include <functional>

class PlotImage;
struct PlotSession;

class PlotMenu : public QMenu {
public:
    /** The menu of the picture image, whose plot the session keeps; request gives the
        fields as they stand (the printed page shows them). */
    PlotMenu(PlotImage* image, const PlotSession& session, std::function<PlotRequest()> request,
             QWidget* parent);

    QAction *copyImageItem = nullptr, *saveImageItem = nullptr, *saveDataItem = nullptr,
            *printItem = nullptr;

    /** Opens the menu at position of the picture. */
    void openAt(const QPoint& position);
    /** The picture to the clipboard. */
    void copyImage();
    /** The picture into a file of a type and name the user chooses. */
    void saveImage();
    /** The samples of the last complete plot into a CSV file. */
    void savePlotData();
    /** The print preview of the picture and the fields. */
    void printPlot();

private:
    PlotImage* m_image;
    const PlotSession& m_session;
    std::function<PlotRequest()> m_request;
    QString m_imageFolder; ///< where the picture was saved last
    QString m_dataFolder;  ///< where the plot's data was saved last
};
