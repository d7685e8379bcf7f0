// The ZAN 400LT lathe trainer. "zan400lt PROGRAM" also puts a part program
// into the machine's program lines; "--programs DIR" keeps the program store
// (part programs, Pset.dat, Dset.dat) in DIR, for a class sharing one
// installation.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "gui/app/main_frame.h"

namespace {

struct Arguments {
    std::optional<std::filesystem::path> programs;
    QString program;
};

// Empty text on success, else the reason the command line is wrong.
QString ParseArguments(const QStringList& arguments, Arguments& parsed)
{
    QCommandLineParser parser;
    const QCommandLineOption programs(QStringLiteral("programs"), QStringLiteral("program folder"), QStringLiteral("DIR"));
    parser.addOption(programs);
    parser.addPositionalArgument(QStringLiteral("PROGRAM"), QStringLiteral("part program"));
    if (!parser.parse(arguments)) return parser.errorText();
    if (parser.positionalArguments().size() > 1) return QStringLiteral("more than one PROGRAM");
    if (parser.isSet(programs)) {
        const QString dir = parser.value(programs);
        if (!QDir(dir).exists()) return QStringLiteral("no program folder ") + dir;
        parsed.programs = QFile::encodeName(QDir(dir).absolutePath()).toStdString();
    }
    if (!parser.positionalArguments().isEmpty()) parsed.program = parser.positionalArguments().front();
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZAN 400LT"));
    QApplication::setOrganizationName(QStringLiteral("ZAN 400LT Applications"));
    Arguments arguments;
    if (const QString error = ParseArguments(QApplication::arguments(), arguments); !error.isEmpty()) {
        std::fprintf(stderr, "zan400lt: %s\nusage: zan400lt [--programs DIR] [PROGRAM]\n", qPrintable(error));
        return 2;
    }
    zan::gui::ShellSetup setup;
    setup.programs = arguments.programs;
    zan::gui::CMainFrame frame(std::move(setup));
    if (!arguments.program.isEmpty()) frame.LoadProgram(QFile::encodeName(arguments.program).toStdString());
    frame.show();
    return QApplication::exec();
}
