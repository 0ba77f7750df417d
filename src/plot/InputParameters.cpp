// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputParameters.h"

#include "model/Model.h"
#include "model/NumberText.h"
#include "model/ScaledValue.h"

const QString kNoInputMessage = QStringLiteral("Не введены данные для построения графика!");
const QString kBadIntervalMessage =
    QStringLiteral("Некорректно введен интервал изменения частоты w!");

namespace {
constexpr int kFieldCount = 13;

bool intervalRejected(const InputFields& fields) {
    const QChar sep = fields.decimalSeparator();
    const long double from = parseReal(fields.fieldText(11), sep);
    const long double to = parseReal(fields.fieldText(12), sep);
    return from >= to || from < 0;
}

double scaled(const InputFields& fields, int mantissaEdit, int exponentEdit) {
    return ScaledValue(fields.fieldText(mantissaEdit), fields.fieldText(exponentEdit),
                       fields.decimalSeparator());
}
} // namespace

InputOutcome readInputParameters(InputFields& fields, TModelParams& ModelParams) {
    for (int edit = 1; edit <= kFieldCount; ++edit) {
        if (fields.fieldText(edit).isEmpty()) {
            fields.showMessage(kNoInputMessage);
            return InputOutcome::Ended;
        }
    }
    if (intervalRejected(fields)) {
        fields.showMessage(kBadIntervalMessage);
        return InputOutcome::IntervalRejected;
    }
    // Each value is stored as soon as it is formed: a bad text further on leaves these.
    ModelParams.Omega0 = scaled(fields, 1, 6);
    ModelParams.Gamma = scaled(fields, 2, 7);
    ModelParams.Concentration = scaled(fields, 3, 9);
    ModelParams.Charge = scaled(fields, 4, 10);
    ModelParams.Mass = scaled(fields, 5, 8);
    ModelParams.Epsilon0 = kElectricConstant;
    return InputOutcome::Loaded;
}
