// SPDX-License-Identifier: GPL-3.0-or-later
// The plot command's first stage, driven through the main window.
#include "ScriptedDialogs.h"
#include "model/Model.h"
#include "windows/Unit1.h"

#include "QtPrinters.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <cmath>

#include <gtest/gtest.h>

namespace {
const QString kNoData = QStringLiteral("Не введены данные для построения графика!");
const QString kBadInterval = QStringLiteral("Некорректно введен интервал изменения частоты w!");

class PlotInput : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // The classroom example, manual interval 0 to 6E15, step 1E12.
    void typeExample() {
        const char* texts[] = {"3",   "1",  "1",   "1.6", "9.1",  "15",  "13",
                               "-31", "28", "-19", "0",   "6E15", "1E12"};
        for (int i = 0; i < 13; ++i)
            form.setFieldText(i + 1, QString::fromLatin1(texts[i]));
    }

    /** The medium as the last plot command loaded it. */
    const TModelParams& medium() const { return form.plotSession().ModelParams; }

    DialogsScript script;
    TForm1 form;
};
} // namespace

TEST_F(PlotInput, EmptyFieldEndsTheCommandWithItsMessage) {
    form.Button1->click();
    EXPECT_EQ(script->messages, QStringList{kNoData});
    EXPECT_TRUE(script->errors.isEmpty());

    // Every one of the thirteen fields is checked, the step too.
    for (int empty = 1; empty <= 13; ++empty) {
        typeExample();
        form.setFieldText(empty, QString());
        script->messages.clear();
        form.Button1->click();
        EXPECT_EQ(script->messages, QStringList{kNoData}) << "Edit" << empty;
        EXPECT_EQ(medium().Omega0, 0.0);
    }
}

TEST_F(PlotInput, BlanksAreNotEmptyButFailToConvert) {
    typeExample();
    form.Edit2->setText(QStringLiteral("  "));
    form.Button1->click();
    EXPECT_TRUE(script->messages.isEmpty());
    EXPECT_EQ(script->errors,
              QStringList{QStringLiteral("'  ' is not a valid floating point value.")});
}

TEST_F(PlotInput, RefusedIntervals) {
    const struct {
        const char* from;
        const char* to;
        bool automatic;
    } cases[] = {{"5", "5", false}, {"-1", "10", false}, {"10", "1", false}, {"10", "1", true}};
    for (const auto& c : cases) {
        typeExample();
        form.CheckBox2->setChecked(c.automatic);
        form.Edit11->setText(QString::fromLatin1(c.from));
        form.Edit12->setText(QString::fromLatin1(c.to));
        script->messages.clear();
        form.Button1->click();
        EXPECT_EQ(script->messages, QStringList{kBadInterval}) << c.from << " " << c.to;
        EXPECT_TRUE(script->errors.isEmpty());
        EXPECT_EQ(medium().Gamma, 0.0) << "the medium is not loaded";
        EXPECT_EQ(medium().Omega0, 0.0);
    }
}

TEST_F(PlotInput, TheExampleLoadsTheMedium) {
    typeExample();
    form.Button1->click();
    EXPECT_TRUE(script->messages.isEmpty());
    EXPECT_TRUE(script->errors.isEmpty()) << script->errors.join(' ').toStdString();
    EXPECT_DOUBLE_EQ(medium().Omega0, 3e15);
    EXPECT_DOUBLE_EQ(medium().Gamma, 1e13);
    EXPECT_DOUBLE_EQ(medium().Concentration, 1e28);
    EXPECT_DOUBLE_EQ(medium().Charge, 1.6e-19);
    EXPECT_DOUBLE_EQ(medium().Mass, 9.1e-31);
    EXPECT_DOUBLE_EQ(medium().Epsilon0, 8.85e-12);
}

TEST_F(PlotInput, ABadTextPartWayKeepsTheValuesStoredBeforeIt) {
    typeExample();
    form.Edit3->setText(QStringLiteral("abc")); // the concentration, third to be read
    form.Button1->click();
    EXPECT_EQ(script->errors,
              QStringList{QStringLiteral("'abc' is not a valid floating point value.")});
    EXPECT_DOUBLE_EQ(medium().Omega0, 3e15);
    EXPECT_DOUBLE_EQ(medium().Gamma, 1e13);
    EXPECT_EQ(medium().Concentration, 0.0);
    EXPECT_EQ(medium().Charge, 0.0);
}

TEST_F(PlotInput, TheStepIsNotReadInAutomaticMode) {
    typeExample();
    form.Edit13->setText(QStringLiteral("шаг"));
    form.CheckBox2->setChecked(true);
    form.Button1->click();
    EXPECT_TRUE(script->errors.isEmpty()) << script->errors.join(' ').toStdString();
    EXPECT_DOUBLE_EQ(form.plotSession().unit->omega0(), 3000) << "w0 in units of 10^12 Hz";
}

TEST_F(PlotInput, FractionalAndNegativeExponents) {
    typeExample();
    form.Edit6->setText(QStringLiteral("-0.5"));
    form.N13->trigger();
    EXPECT_TRUE(script->errors.isEmpty());
    EXPECT_DOUBLE_EQ(medium().Omega0, 3 * std::pow(10.0, -0.5));
}

TEST_F(PlotInput, TheUsersDecimalSeparatorIsRead) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    typeExample();
    form.Edit4->setText(QStringLiteral("1,6"));
    form.Edit5->setText(QStringLiteral("9.1")); // a point is a stranger here
    form.Button1->click();
    EXPECT_DOUBLE_EQ(medium().Charge, 1.6e-19);
    EXPECT_EQ(script->errors,
              QStringList{QStringLiteral("'9.1' is not a valid floating point value.")});
}

TEST_F(PlotInput, AnOverflowingValueIsAnError) {
    typeExample();
    form.Edit7->setText(QStringLiteral("400"));
    form.Button1->click();
    EXPECT_EQ(script->errors, QStringList{QStringLiteral("Floating point overflow.")});
    EXPECT_DOUBLE_EQ(medium().Omega0, 3e15);
}
