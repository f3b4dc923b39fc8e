#include "platform/settings/FileRegistry.h"
#ifdef Q_OS_WIN
#include "platform/log/WindowsErrorOutput.h"
#include "platform/process/ProgramFolder.h"
#include "platform/settings/WindowsRegistry.h"
#include "platform/settings/WindowsVideoDecoders.h"
#else
#include "platform/media/GstCodecTest.h"
#endif
#include "app/Application.h"
#include "app/check/CheckCommand.h"
#include "app/preview/Preview.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/documents/QtDocumentView.h"
#include "platform/instance/LocalSingleInstance.h"
#include "platform/log/OwnErrorOutput.h"
#include "platform/media/DeferredPlayerControl.h"
#include "platform/media/MediaModule.h"
#include "platform/media/MediaModuleLoader.h"
#include "platform/messages/QtMessageBoxes.h"
#include "platform/process/ImmediateProgramEnd.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace vistrel;

namespace {

void nameTheApplication() {
    QCoreApplication::setApplicationName("vistrel");
    QCoreApplication::setApplicationVersion(VISTREL_VERSION);
}

// What the command line asks for.
struct Options {
    QString disc; // the program's own folder, or the folder named by the first argument
    bool check = false;
    bool json = false;
    bool verbose = false;
    bool preview = false;
};

// Ends the program with a text on the terminal: the answer to --help and --version (code 0), or
// what is wrong with the command line (code 2, whatever the option).
[[noreturn]] void answerAndExit(std::FILE* stream, const QString& text, int code) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
    std::exit(code);
}

[[noreturn]] void badUsage(const QString& text) {
    answerAndExit(stderr, "vistrel: " + text + "\n", 2);
}

Options parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Vistrel: the skinned front end of a video disc.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check("check", "List every problem of the disc, then exit.");
    const QCommandLineOption json("json", "With --check: the problems as one JSON document.");
    const QCommandLineOption verbose(
        "verbose", "With --check: also what the libraries beneath say on standard error.");
    const QCommandLineOption preview(
        "preview", "Follow the disc folder: the window shows each file as it is saved.");
    parser.addOptions({check, json, verbose, preview});
    parser.addPositionalArgument("disc", "Disc folder to use instead of the program's folder.",
                                 "[disc]");
    // Answered here rather than by the parser itself: it would exit with 1 on a wrong option,
    // and a windowed program on Windows would show its answers in a message box.
    if (!parser.parse(app.arguments()))
        badUsage(parser.errorText());
    if (parser.isSet(help))
        answerAndExit(stdout, parser.helpText(), 0);
    if (parser.isSet(version))
        answerAndExit(stdout,
                      QCoreApplication::applicationName() + ' ' +
                          QCoreApplication::applicationVersion() + '\n',
                      0);
    Options options{QCoreApplication::applicationDirPath(), parser.isSet(check), parser.isSet(json),
                    parser.isSet(verbose), parser.isSet(preview)};
    if (options.json && !options.check)
        badUsage("--json goes with --check");
    if (options.verbose && !options.check)
        badUsage("--verbose goes with --check");
    if (options.preview && options.check)
        badUsage("--preview and --check go one at a time");
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1)
        badUsage("one disc folder at most");
    if (!arguments.isEmpty()) {
        const QFileInfo disc(arguments.first());
        if (!disc.isDir())
            badUsage(arguments.first() + " is not a folder");
        options.disc = disc.absoluteFilePath();
    }
    return options;
}

// Qt's plugins: on Windows in the program's own folder (beside its DLLs, out of sight below the
// disc's root, where Qt would look); elsewhere where the build or the installation put them.
// Set just before the application object, which forgets them when it ends.
void findQtPluginsBesideProgram() {
#ifdef Q_OS_WIN
    QCoreApplication::setLibraryPaths(
        {QString::fromStdString(programFolder()) + QStringLiteral("plugins")});
#endif
}

// The framework that plays and judges media: GStreamer on Linux (Qt Multimedia when
// VISTREL_MEDIA=qt asks for it), Qt Multimedia on Windows; each from a module of its own.
const char* mediaModuleName() {
#ifdef Q_OS_WIN
    return QtMediaModule;
#else
    return qEnvironmentVariable("VISTREL_MEDIA") == QLatin1String("qt") ? QtMediaModule
                                                                        : GstMediaModule;
#endif
}

template <typename Module> Module* mediaModule(const char* name) {
    return qobject_cast<Module*>(loadMediaModule(QString::fromLatin1(name)));
}

// Without the module the framework cannot open the file: a refusal, not a crash.
MediaProber mediaProber() {
    return [name = mediaModuleName()](const QString& path, int timeoutMs) {
        if (MediaProbeModule* module = mediaModule<MediaProbeModule>(name))
            return module->probeMedia(path, timeoutMs);
        MediaFacts facts;
        facts.error = "the media framework's module does not load";
        return facts;
    };
}

#ifndef Q_OS_WIN
bool moduleDecodesMovieVideo(const char* name) {
    MediaPlayerModule* module = mediaModule<MediaPlayerModule>(name);
    return module && module->decodesMovieVideo();
}
#endif

// The check needs pictures and the media framework but no display (on Windows the system's own
// windowing, which is always there, rather than a platform plugin the disc would carry for it).
int runCheck(int argc, char* argv[], const Options& options) {
    // The check's output is for the disc's author: the media framework's noise is not.
    if (!options.verbose)
        keepStandardErrorToOwnLog();
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    findQtPluginsBesideProgram();
    QGuiApplication app(argc, argv);
    nameTheApplication();
    return runDiscCheck(options.disc, options.json, mediaProber());
}

// The player and the codec test of one media framework.
struct MediaFramework {
    MainDialog::PlayerFactory makePlayer;
    std::function<bool()> decodesMovieVideo;
};

// The player's module and its libraries load when something is first played, after the window
// shows; until then a stand-in keeps its place.
MediaFramework mediaFramework() {
    const char* name = mediaModuleName();
    auto makePlayer = [name](QWidget* parent) {
        return new DeferredPlayerControl(parent, [name](QWidget* videoParent) {
            MediaPlayerModule* module = mediaModule<MediaPlayerModule>(name);
            return module ? module->makePlayer(videoParent) : nullptr;
        });
    };
#ifdef Q_OS_WIN
    // The program plays on decoders it carries; the codec that counts is the one an external
    // player would use, Windows' own.
    return {makePlayer, startWindowsCodecTest()};
#else
    auto askHere = [name] { return moduleDecodesMovieVideo(name); };
    if (name == GstMediaModule)
        return {makePlayer, startCodecTest(askHere)};
    return {makePlayer, askHere};
#endif
}

#ifndef Q_OS_WIN
// The icon built into the program, in the two sizes the desktop asks for. (On Windows the
// windows take it from vistrel.exe's own icon, which Qt looks for by name, IDI_ICON1, without
// decoding a picture at the start.)
// The format is named: asking the image reader to find it loads every format plug-in.
QIcon programIcon() {
    QIcon icon;
    for (const char* file : {":/icons/vistrel-32.png", ":/icons/vistrel-48.png"}) {
        QImageReader reader(QString::fromLatin1(file), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
#endif

int runProgram(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    windows::answerOnStartingConsole(argc, argv);
    windows::logToStandardErrorWhenRedirected();
#else
    if (argc == 2 && std::strcmp(argv[1], CodecTestArgument) == 0)
        return moduleDecodesMovieVideo(GstMediaModule) ? 0 : 1;
#endif
    if (qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN"))
        qSetMessagePattern("%{category}: %{message}");
    // The arguments are settled before any display is needed: --help, --version and a wrong
    // disc folder answer on a terminal without one.
    Options options;
    {
        QCoreApplication arguments(argc, argv);
        nameTheApplication();
        options = parseOptions(arguments);
    }
    if (options.check)
        return runCheck(argc, argv, options);
    const QString& appPath = options.disc;
    MediaFramework media = mediaFramework();
    findQtPluginsBesideProgram();
    // Only the video area needs a window of its own. Were its siblings made native too, a press
    // on the title strip would reach the strip's window, and the system move would start from
    // where the pointer last was over the main window: the window would jump.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    nameTheApplication();
    QApplication::setQuitOnLastWindowClosed(false);
#ifndef Q_OS_WIN
    QApplication::setWindowIcon(programIcon());
#endif

#ifdef Q_OS_WIN
    WindowsRegistry registry;
#else
    FileRegistry registry = FileRegistry::forThisUser();
#endif
    QtMessageBoxes messages;
    ImmediateProgramEnd programEnd;
    QtDesktop desktop;
    LocalSingleInstance singleInstance;
    programEnd.addCleanup([&singleInstance] { singleInstance.release(); });

    Services services{registry,
                      messages,
                      programEnd,
                      desktop,
                      singleInstance,
                      std::move(media.makePlayer),
                      [appPath](QWidget* parent) { return new QtDocumentView(parent, appPath); },
                      std::move(media.decodesMovieVideo)};
    if (options.preview) {
        Preview preview(std::move(services), appPath, mediaProber());
        return preview.start() ? app.exec() : 1;
    }
    Application application(std::move(services));
    if (!application.Main(appPath))
        return 1;
    return app.exec();
}

} // namespace

#ifdef Q_OS_WIN
// On Windows the program is a library in the disc's hidden folder, beside its DLLs; vistrel.exe
// at the disc's root loads it and calls this (WindowsLauncherMain.cpp).
extern "C" __declspec(dllexport) int vistrelMain(int argc, char* argv[]) {
    return runProgram(argc, argv);
}
#else
int main(int argc, char* argv[]) {
    return runProgram(argc, argv);
}
#endif
