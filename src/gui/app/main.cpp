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
#include <cstring>
#include <string>

#include "core/files/data_folders.h"
#include "core/text/program_info.h"
#include "gui/app/main_frame.h"
#include "gui/app/translations.h"

namespace {

constexpr const char* kProgram = "zan400lt";
constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    "Usage: zan400lt [OPTION]... [PROGRAM]\n"
    "Start the ZAN 400LT lathe trainer: an on-screen two-axis CNC lathe with its\n"
    "operator controller. PROGRAM, a part program (.zan file), is loaded into the\n"
    "machine; a name without a folder that is not in the current folder is taken\n"
    "from the program folder.\n"
    "\n"
    "      --programs DIR   keep part programs, Pset.dat and Dset.dat in DIR\n"
    "                       (a class sharing one folder)\n"
    "      --help           display this help and exit\n"
    "      --version        output version information and exit\n"
    "\n"
    "Installed, each user's programs live in $XDG_DATA_HOME/zan400lt\n"
    "(~/.local/share/zan400lt), made with the sample programs on first start; run\n"
    "from the build folder, they lie beside the executable.\n";

struct Arguments {
    std::optional<std::filesystem::path> programs;
    QString program;
};

// --help and --version answer before the window system is reached, so that
// they work on a terminal without a display. True when one was answered.
bool AnswerInformation(int argc, char** argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            std::fputs((zan::ProgramFolderNote(zan::LocateDataFolders(std::nullopt)) + ".\n").c_str(), stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(zan::VersionText(kProgram).c_str(), stdout);
            return true;
        }
    }
    return false;
}

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
    if (AnswerInformation(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZAN 400LT"));
    QApplication::setOrganizationName(QStringLiteral("ZAN 400LT Applications"));
    QApplication::setApplicationVersion(QString::fromUtf8(zan::VersionNumber().data(), static_cast<qsizetype>(zan::VersionNumber().size())));
    zan::gui::InstallQtTranslations(app);
    Arguments arguments;
    if (const QString error = ParseArguments(QApplication::arguments(), arguments); !error.isEmpty()) {
        std::fputs(zan::UsageErrorText(kProgram, error.toStdString()).c_str(), stderr);
        return kExitUsage;
    }
    std::string problem;
    const zan::DataFolders folders = zan::DataFoldersOfProcess(arguments.programs, problem);
    if (!problem.empty()) std::fprintf(stderr, "%s: %s\n", kProgram, problem.c_str());
    zan::gui::ShellSetup setup;
    setup.programs = folders.programs.dir();
    setup.data = folders.data.dir();
    zan::gui::CMainFrame frame(std::move(setup));
    if (!arguments.program.isEmpty()) frame.LoadProgram(QFile::encodeName(arguments.program).toStdString());
    frame.show();
    return QApplication::exec();
}
