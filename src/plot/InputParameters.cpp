// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputParameters.h"

#include "PlotRequest.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

const QString kNoInputMessage = QStringLiteral("Не введены данные для построения графика!");
const QString kBadIntervalMessage =
    QStringLiteral("Некорректно введен интервал изменения частоты w!");

namespace {
bool intervalRejected(const PlotRequest& request) {
    const QChar sep = request.decimalSeparator;
    const long double from = parseReal(request.field(11), sep);
    const long double to = parseReal(request.field(12), sep);
    return from >= to || from < 0;
}

double scaled(const PlotRequest& request, int mantissaEdit, int exponentEdit) {
    return ScaledValue(request.field(mantissaEdit), request.field(exponentEdit),
                       request.decimalSeparator);
}
} // namespace

InputOutcome readInputParameters(const PlotRequest& request, PlotSink& sink,
                                 TModelParams& ModelParams) {
    for (const QString& text : request.fields) {
        if (text.isEmpty()) {
            sink.showMessage(kNoInputMessage);
            return InputOutcome::Ended;
        }
    }
    if (intervalRejected(request)) {
        sink.showMessage(kBadIntervalMessage);
        return InputOutcome::IntervalRejected;
    }
    // Each value is stored as soon as it is formed: a bad text further on leaves these.
    ModelParams.Omega0 = scaled(request, 1, 6);
    ModelParams.Gamma = scaled(request, 2, 7);
    ModelParams.Concentration = scaled(request, 3, 9);
    ModelParams.Charge = scaled(request, 4, 10);
    ModelParams.Mass = scaled(request, 5, 8);
    ModelParams.Epsilon0 = kElectricConstant;
    return InputOutcome::Loaded;
}
