#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString versionLine()
{
    return u"Marquill 32 "_s + QStringLiteral(MARQUILL_VERSION) + u'\n';
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Marquill 32 – HTML を手で書くためのエディタ"_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"このヘルプを表示して終了します。"_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"バージョンを表示して終了します。"_s);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(u"files"_s, u"開くファイル (いくつでも、順に開きます)"_s,
                                 u"[files...]"_s);

    const bool parsed = parser.parse(arguments);
    CommandLine result;
    // Asked for help or the version, the program answers that even beside an
    // option it does not know.
    if (parser.isSet(help)) {
        result.request = CommandLine::Request::Help;
        // Qt names the program by how it was started, or not at all before
        // the application exists; the usage line says what to type.
        QString usage = parser.helpText();
        const QString program = arguments.isEmpty() ? u"marquill"_s
                                                    : QFileInfo(arguments.first()).fileName();
        usage = u"Usage: %1 [options] [files...]"_s.arg(program) + usage.mid(usage.indexOf(u'\n'));
        result.text = usage;
    } else if (parser.isSet(version)) {
        result.request = CommandLine::Request::Version;
        result.text = versionLine();
    } else if (!parsed) {
        result.request = CommandLine::Request::Error;
        result.text = parser.errorText() + u"\n使い方は --help で表示します。\n"_s;
    } else {
        result.files = parser.positionalArguments();
    }
    return result;
}
