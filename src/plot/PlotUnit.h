// SPDX-License-Identifier: GPL-3.0-or-later
// The unit a picture's frequencies are in: the thousand rule, decided once per plot.
#pragma once

#include <QChar>
#include <QString>

/** With w0 of 1000 Hz or more (the thousand rule), an automatic interval is laid around the
    w0 mantissa x 1000 in units of 10^(e-3) Hz, e the w0 exponent, and the frequency title
    and scale values speak of units of 10^e Hz; below 1000 Hz, or without the rule, the
    frequencies are hertz. Decided when a plot chooses its interval and kept with the
    picture, so the range, the labels and the readout all tell of one unit. */
class PlotUnit {
public:
    /** Hertz: the unit of the empty picture before the first plot. */
    PlotUnit() = default;

    /** The unit of a plot of the medium whose w0 was loaded as typedOmega0 from the texts
        mantissaW0 and exponentW0 (parsed only under the rule), with an automatic or a typed
        interval. Under the rule an automatic interval stores the mantissa x 1000, which may
        overflow (FloatError); a text that is no number throws ConversionError. */
    static PlotUnit decide(double typedOmega0, bool automatic, const QString& mantissaW0,
                           const QString& exponentW0, QChar decimalSeparator);

    bool thousandRule() const { return m_thousandRule; }
    bool automatic() const { return m_automatic; }
    /** The w0 mantissa and exponent as typed, under the rule (0 otherwise). */
    long double mantissa() const { return m_mantissa; }
    long double exponent() const { return m_exponent; }
    /** w0 in the picture's unit: the mantissa x 1000 for an automatic interval under the
        rule, otherwise w0 in hertz. */
    double omega0() const { return m_omega0; }
    /** Whether the interval's frequencies are in units of 10^(e-3) Hz rather than hertz. */
    bool inThousandths() const { return m_thousandRule && m_automatic; }

    /** What a frequency of the picture is divided by for the scale values under the
        frequency title: 1000 for an automatic interval, 10^e for a typed one (in hertz),
        1 without the rule. */
    long double labelDivisor() const;

    /** A frequency of the picture in hertz: 10^e x (w / 1000) in thousandths, w otherwise. */
    long double toHertz(long double w) const;

private:
    bool m_thousandRule = false;
    bool m_automatic = false;
    long double m_mantissa = 0;
    long double m_exponent = 0;
    double m_omega0 = 0;
};
