#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QStringView>

#include <algorithm>
#include <array>

namespace vexa {

namespace {

// Options that the application object reads itself, and whether each takes
// a value in the next argument. They may start with one dash or two, and a
// value may also follow an '='.
struct ToolkitOption {
    QStringView name;
    bool takesValue;
};
constexpr std::array kToolkitOptions{
    ToolkitOption{u"platform", true},      ToolkitOption{u"platformpluginpath", true},
    ToolkitOption{u"platformtheme", true}, ToolkitOption{u"plugin", true},
    ToolkitOption{u"qwindowgeometry", true}, ToolkitOption{u"qwindowicon", true},
    ToolkitOption{u"qwindowtitle", true},  ToolkitOption{u"session", true},
    ToolkitOption{u"style", true},         ToolkitOption{u"stylesheet", true},
    ToolkitOption{u"display", true},       ToolkitOption{u"geometry", true},
    ToolkitOption{u"reverse", false},      ToolkitOption{u"widgetcount", false},
};

// The arguments without the toolkit's own options and their values. Nothing
// after "--" is an option.
QStringList withoutToolkitOptions(const QStringList& arguments)
{
    QStringList kept;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || optionsEnded || !argument.startsWith(u'-') || argument.size() < 2) {
            kept << argument;
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            kept << argument;
            continue;
        }
        QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const bool valueAttached = equals >= 0;
        if (valueAttached)
            name = name.left(equals);
        const auto known = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                                        [name](const ToolkitOption& option) { return option.name == name; });
        if (known == kToolkitOptions.end()) {
            kept << argument;
            continue;
        }
        if (known->takesValue && !valueAttached)
            ++i; // its value
    }
    return kept;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: vexa [OPTION]... [FILE]\n"
        "Colour of wines and brandies from four absorbances.\n"
        "\n"
        "Starts VEXA. With FILE, a results file (*.qrl), VEXA opens it as File > Open does.\n"
        "\n"
        "Options:\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n");
}

CommandLine refused(const QString& why)
{
    return {CommandLine::Action::Error, QString(),
            QStringLiteral("vexa: %1\nTry 'vexa --help' for more information.\n").arg(why)};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(withoutToolkitOptions(arguments)))
        return refused(parser.errorText());
    if (parser.isSet(help))
        return {CommandLine::Action::Help, QString(), usageText()};
    if (parser.isSet(version))
        return {CommandLine::Action::Version, QString(), QStringLiteral("vexa " VEXA_VERSION "\n")};

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refused(QStringLiteral("only one file can be opened at a time"));
    if (files.size() == 1 && files.first().isEmpty())
        return refused(QStringLiteral("the file name is empty"));
    return {CommandLine::Action::Run, files.value(0), QString()};
}

QStringList decodeArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace vexa
