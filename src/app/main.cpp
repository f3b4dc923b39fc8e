#include "platform/settings/FileRegistry.h"
#ifdef Q_OS_WIN
#include "platform/log/WindowsErrorOutput.h"
#include "platform/settings/WindowsRegistry.h"
#include "platform/settings/WindowsVideoDecoders.h"
#endif
#include "app/Application.h"
#include "app/check/CheckCommand.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/documents/QtDocumentView.h"
#include "platform/instance/LocalSingleInstance.h"
#include "platform/log/OwnErrorOutput.h"
#include "platform/process/ImmediateProgramEnd.h"
#ifdef Q_OS_WIN
#include "platform/media/MediaProbe.h"
#include "platform/media/qt/QtMediaPlayerControl.h"
#else
#include "platform/media/DeferredPlayerControl.h"
#include "platform/media/GstCodecTest.h"
#include "platform/media/MediaModule.h"
#include "platform/media/MediaModuleLoader.h"
#endif
#include "platform/messages/QtMessageBoxes.h"

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
};

[[noreturn]] void badUsage(const QString& text) {
    std::fprintf(stderr, "vistrel: %s\n", qPrintable(text));
    std::exit(2);
}

Options parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Vistrel: the skinned front end of a video disc.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption check("check", "List every problem of the disc, then exit.");
    const QCommandLineOption json("json", "With --check: the problems as one JSON document.");
    const QCommandLineOption verbose(
        "verbose", "With --check: also what the libraries beneath say on standard error.");
    parser.addOptions({check, json, verbose});
    parser.addPositionalArgument("disc", "Disc folder to use instead of the program's folder.",
                                 "[disc]");
    parser.process(app);
    Options options{QCoreApplication::applicationDirPath(), parser.isSet(check), parser.isSet(json),
                    parser.isSet(verbose)};
    if (options.json && !options.check)
        badUsage("--json goes with --check");
    if (options.verbose && !options.check)
        badUsage("--verbose goes with --check");
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

#ifdef Q_OS_WIN
MediaProber mediaProber() {
    return probeMedia;
}
#else
template <typename Module> Module* mediaModule(const char* name) {
    return qobject_cast<Module*>(loadMediaModule(QString::fromLatin1(name)));
}

// The framework that plays is the one that judges: GStreamer's discoverer, or Qt Multimedia
// when VISTREL_MEDIA=qt picks its player. Without the module the framework cannot open the
// file: a refusal, not a crash.
MediaProber mediaProber() {
    const char* name = qEnvironmentVariable("VISTREL_MEDIA") == QLatin1String("qt")
                           ? QtMediaModule
                           : GstMediaModule;
    return [name](const QString& path, int timeoutMs) {
        if (MediaProbeModule* module = mediaModule<MediaProbeModule>(name))
            return module->probeMedia(path, timeoutMs);
        MediaFacts facts;
        facts.error = "the media framework's module does not load";
        return facts;
    };
}

bool moduleDecodesMovieVideo(const char* name) {
    MediaPlayerModule* module = mediaModule<MediaPlayerModule>(name);
    return module && module->decodesMovieVideo();
}
#endif

// The check needs pictures and the media framework but no display.
int runCheck(int argc, char* argv[], const Options& options) {
    // The check's output is for the disc's author: the media framework's noise is not.
    if (!options.verbose)
        keepStandardErrorToOwnLog();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nameTheApplication();
    return runDiscCheck(options.disc, options.json, mediaProber());
}

// The player and the codec test of one media framework.
struct MediaFramework {
    MainDialog::PlayerFactory makePlayer;
    std::function<bool()> decodesMovieVideo;
};

// GStreamer directly on Linux, from its module on first need; Qt Multimedia on Windows, or from
// its module when VISTREL_MEDIA=qt asks for it.
MediaFramework mediaFramework() {
#ifdef Q_OS_WIN
    // The program plays on decoders it carries; the codec that counts is the one an external
    // player would use, Windows' own.
    return {[](QWidget* parent) { return new QtMediaPlayerControl(parent); },
            [] { return windowsDecodesMpeg4Video(); }};
#else
    const char* name = qEnvironmentVariable("VISTREL_MEDIA") == QLatin1String("qt")
                           ? QtMediaModule
                           : GstMediaModule;
    auto makePlayer = [name](QWidget* parent) {
        return new DeferredPlayerControl(parent, [name](QWidget* videoParent) {
            MediaPlayerModule* module = mediaModule<MediaPlayerModule>(name);
            return module ? module->makePlayer(videoParent) : nullptr;
        });
    };
    auto askHere = [name] { return moduleDecodesMovieVideo(name); };
    if (name == GstMediaModule)
        return {makePlayer, startCodecTest(askHere)};
    return {makePlayer, askHere};
#endif
}

// The icon built into the program, in the two sizes the desktop asks for.
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

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
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
    QApplication app(argc, argv);
    nameTheApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());

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

    Application application(Services{registry, messages, programEnd, desktop, singleInstance,
                                     std::move(media.makePlayer),
                                     [](QWidget* parent) { return new QtDocumentView(parent); },
                                     std::move(media.decodesMovieVideo)});
    if (!application.Main(appPath))
        return 1;
    return app.exec();
}
