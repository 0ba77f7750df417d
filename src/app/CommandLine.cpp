// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <algorithm>

namespace {
const QString kProgram = QStringLiteral("volnograf");

/** One option: its names, the name of its value (none for a flag) and what it does. */
struct OptionRow {
    QStringList names;
    QString valueName;
    QString description;
};

/** The files an export writes. SVG and PDF join them with the vector drawing of the plot. */
struct OutputRow {
    PlotFormat kind;
    OptionRow option;
};

const OutputRow kOutputs[] = {
    {PlotFormat::Png,
     {{QStringLiteral("png")},
      QStringLiteral("ФАЙЛ.png"),
      QStringLiteral("без окна: записать рисунок графика (473 × 473 точки) в PNG "
                     "(в JPEG или BMP, если имя кончается на .jpg, .jpeg, .bmp)")}},
    {PlotFormat::Svg,
     {{QStringLiteral("svg")},
      QStringLiteral("ФАЙЛ.svg"),
      QStringLiteral("без окна: записать график векторным рисунком SVG")}},
    {PlotFormat::Pdf,
     {{QStringLiteral("pdf")},
      QStringLiteral("ФАЙЛ.pdf"),
      QStringLiteral("без окна: записать график векторным рисунком в PDF")}},
    {PlotFormat::Csv,
     {{QStringLiteral("csv")},
      QStringLiteral("ФАЙЛ.csv"),
      QStringLiteral("без окна: записать отсчёты графика (w, f, λ, n, n″) в CSV")}},
};

const OptionRow kHelp{
    {QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("показать эту справку")};
const OptionRow kVersion{{QStringLiteral("v"), QStringLiteral("version")},
                         {},
                         QStringLiteral("показать версию программы")};
const OptionRow kScale{{QStringLiteral("scale")},
                       QStringLiteral("K"),
                       QStringLiteral("все окна в K раз крупнее (от 1 до 4, можно 1,5), "
                                      "для проектора; fit — самый крупный масштаб, при котором "
                                      "окно помещается на экране")};
const OptionRow kEnlarge{
    {QStringLiteral("enlarge")},
    QStringLiteral("K"),
    QStringLiteral("рисунок PNG в K раз крупнее (1–4), каждая точка — чёткий квадрат")};
const OptionRow kAuto{
    {QStringLiteral("auto")}, {}, QStringLiteral("интервал частот выбирается автоматически")};
const OptionRow kPoints{
    {QStringLiteral("points")}, {}, QStringLiteral("точки графика не соединяются")};
const OptionRow kDotted{
    {QStringLiteral("dotted")}, {}, QStringLiteral("область аномальной дисперсии пунктиром")};

/** Every option in the order the help lists them. */
std::vector<const OptionRow*> allOptions() {
    std::vector<const OptionRow*> rows{&kHelp, &kVersion, &kScale};
    for (const OutputRow& o : kOutputs)
        rows.push_back(&o.option);
    for (const OptionRow* r : {&kEnlarge, &kAuto, &kPoints, &kDotted})
        rows.push_back(r);
    return rows;
}

QString helpText() {
    QString text =
        QStringLiteral(
            "Использование: %1 [ФАЙЛ.grafc]\n"
            "       %1 --png ФАЙЛ.png --svg ФАЙЛ.svg --pdf ФАЙЛ.pdf --csv ФАЙЛ.csv "
            "[параметры] ФАЙЛ.grafc\n\n"
            "Волнограф: дисперсия света, графики n(w) и n″(w).\n"
            "Без параметров открывается главное окно; названный файл исходных "
            "данных загружается в его поля.\n"
            "С --png, --svg, --pdf или --csv окно не открывается: график файла строится с "
            "настройками по умолчанию, и названные файлы записываются; сообщение "
            "программы выводится в стандартный поток ошибок, и тогда ни один "
            "файл не записывается.\n\nПараметры:\n")
            .arg(kProgram);
    for (const OptionRow* row : allOptions()) {
        QStringList names;
        for (const QString& n : row->names)
            names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!row->valueName.isEmpty())
            left += QLatin1Char(' ') + row->valueName;
        text += left.leftJustified(22) + QLatin1Char(' ') + row->description + QLatin1Char('\n');
    }
    return text;
}

QCommandLineOption optionOf(const OptionRow& row) {
    return row.valueName.isEmpty() ? QCommandLineOption(row.names)
                                   : QCommandLineOption(row.names, row.description, row.valueName);
}

CommandLine refused(const QString& text) {
    CommandLine c;
    c.action = CommandLine::Action::Refused;
    c.text = text + QStringLiteral("\nСправка: %1 --help\n").arg(kProgram);
    return c;
}

/** A factor of 1 to 4 given to option, or 0. */
int factorOf(const QCommandLineParser& parser, const OptionRow& option) {
    bool ok = false;
    const int k = parser.value(option.names.constFirst()).toInt(&ok);
    return ok && k >= 1 && k <= 4 ? k : 0;
}

/** Qt's name of the picture format a file name asks for: PNG unless it ends in another
    format Qt writes here; null for a format it cannot write. */
const char* pictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty() || suffix == QLatin1String("png"))
        return "PNG";
    const char* format = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ? "JPEG"
                         : suffix == QLatin1String("bmp")                                  ? "BMP"
                                                          : nullptr;
    if (format && QImageWriter::supportedImageFormats().contains(QByteArray(format).toLower()))
        return format;
    return nullptr;
}

QString factorRefusal(const QCommandLineParser& parser, const OptionRow& option) {
    return QStringLiteral("Значение --%1 должно быть целым числом от 1 до 4: «%2»")
        .arg(option.names.constFirst(), parser.value(option.names.constFirst()));
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder) {
    QCommandLineParser parser;
    // "-png" is taken for "--png", not for the three letters -p, -n, -g.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow* row : allOptions())
        parser.addOption(optionOf(*row));
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().constFirst();
            return refused(
                QStringLiteral("Неизвестный параметр: %1%2")
                    .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        // A value is missing only after the last argument.
        return refused(QStringLiteral("Не указано значение параметра %1").arg(arguments.last()));
    }
    CommandLine c;
    if (parser.isSet(kHelp.names.constFirst())) {
        c.action = CommandLine::Action::Help;
        c.text = helpText();
        return c;
    }
    if (parser.isSet(kVersion.names.constFirst())) {
        c.action = CommandLine::Action::Version;
        c.text = QStringLiteral("Волнограф Вер. 1.2\n");
        return c;
    }
    const QDir folder(workingFolder);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refused(QStringLiteral("Назван не один файл исходных данных: %1")
                           .arg(files.join(QStringLiteral(", "))));
    if (!files.isEmpty())
        c.file = QDir::cleanPath(folder.absoluteFilePath(files.constFirst()));

    ExportRequest& r = c.request;
    for (const OutputRow& o : kOutputs) {
        const QString name = o.option.names.constFirst();
        if (!parser.isSet(name))
            continue;
        if (parser.value(name).isEmpty())
            return refused(QStringLiteral("Не указано имя файла для --%1").arg(name));
        r.outputs.push_back({o.kind, QDir::cleanPath(folder.absoluteFilePath(parser.value(name)))});
    }
    const bool exporting = !r.outputs.empty();
    const bool picture = std::any_of(r.outputs.begin(), r.outputs.end(),
                                     [](const auto& o) { return o.kind == PlotFormat::Png; });
    if (!picture && parser.isSet(kEnlarge.names.constFirst()))
        return refused(QStringLiteral("Параметр --enlarge действует только при записи рисунка "
                                      "(--png)"));
    for (const OptionRow* o : {&kAuto, &kPoints, &kDotted})
        if (!exporting && parser.isSet(o->names.constFirst()))
            return refused(QStringLiteral("Параметр --%1 действует только при записи в файлы "
                                          "(--png, --svg, --pdf, --csv)")
                               .arg(o->names.constFirst()));
    if (parser.isSet(kScale.names.constFirst())) {
        if (exporting)
            return refused(QStringLiteral("Параметр --scale не действует при записи в файлы"));
        c.scale = parseScale(parser.value(kScale.names.constFirst()));
        if (!c.scale)
            return refused(QStringLiteral("Значение --scale должно быть числом от 1 до 4 "
                                          "(например, 1,5) или fit: «%1»")
                               .arg(parser.value(kScale.names.constFirst())));
    }
    if (!exporting)
        return c;

    c.action = CommandLine::Action::Export;
    if (c.file.isEmpty())
        return refused(QStringLiteral("Не назван файл исходных данных (.grafc)"));
    r.file = c.file;
    for (ExportRequest::Output& o : r.outputs) {
        if (o.kind != PlotFormat::Png)
            continue;
        o.pictureFormat = pictureFormatOf(o.path);
        if (!o.pictureFormat)
            return refused(QStringLiteral("Рисунок записывается только в PNG, JPEG или BMP "
                                          "(.png, .jpg, .jpeg, .bmp): %1")
                               .arg(QDir::toNativeSeparators(o.path)));
    }
    if (parser.isSet(kEnlarge.names.constFirst())) {
        r.enlargement = factorOf(parser, kEnlarge);
        if (!r.enlargement)
            return refused(factorRefusal(parser, kEnlarge));
    }
    r.automatic = parser.isSet(kAuto.names.constFirst());
    r.points = parser.isSet(kPoints.names.constFirst());
    r.dotted = parser.isSet(kDotted.names.constFirst());
    return c;
}

QString startFolder() {
    const QString launched = qEnvironmentVariable("VOLNOGRAF_START_FOLDER");
    return launched.isEmpty() ? QDir::currentPath() : launched;
}
