#pragma once

#include "window/Buttons.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

namespace vistrel {

// The systems a disc names programs for. The keys that name what a button starts or opens, and
// the external player's parameter, may be given for one system by its name after a dot
// (RunPath.Linux=): on that system its own key wins, and the plain key serves every system
// without one, so a file written for Windows alone keeps working there unchanged.
enum class TargetSystem { Windows, Linux };
inline constexpr std::array<TargetSystem, 2> TargetSystems{TargetSystem::Windows,
                                                           TargetSystem::Linux};
#ifdef Q_OS_WIN
inline constexpr TargetSystem RunningSystem = TargetSystem::Windows;
#else
inline constexpr TargetSystem RunningSystem = TargetSystem::Linux;
#endif

// "Windows", "Linux": as the suffix of a key and in what --check says.
QString systemName(TargetSystem system);
// The key of one system: "RunPath" becomes "RunPath.Linux".
QString systemKey(const QString& key, TargetSystem system);

// The one place that lists what a disc may say: every key of vistrel.ini the program uses, read
// once, with its default and the way it has always been read. "As read" means the reader's own
// result (blanks around the value and a pair of quotes around it already gone); "trimmed" means
// spaces removed on top of that, tabs kept; a switch is on only when its value is exactly "1".
// The keys of one section the program reads.
struct DiscKeys {
    QString section;
    QStringList keys;
};

struct DiscConfig {
    struct Player {
        QString description; // [Player] Description, trimmed
        QString parameter;   // [Player] Parameter, per system, trimmed: the player's argument
    };
    struct Codec {
        QString description; // [Codec] Description, trimmed: named when the codec is missing
    };

    // The system whose values these are.
    TargetSystem system = RunningSystem;

    QString defaultLanguage; // [Main] DefaultLanguage, default "english"; empty also "english"
    QString version;         // [Main] Version, default "1.0", trimmed
    Player player;
    Codec codec;
    // What each button opens, by the key its row names ([Main] ExplorerPath, [Player] RunPath),
    // per system, trimmed; empty for a button without one.
    ButtonTexts buttonPaths;
    // The key each path was read from ("RunPath.Linux" or "RunPath"); empty where the file has
    // neither.
    ButtonTexts buttonPathKeys;
    // The [Main] switches the buttons' rows name (ShowInstallPlayer), default "1", as read.
    QMap<QString, bool> buttonSwitches;

    QString movie; // [Main] Movie, as read
    // Read only when there is no movie: with one, music stays empty and the slideshow off.
    QString music;          // [Main] Music, as read
    bool slideShow = false; // [Main] SlideShow, no default, as read

    QString skin;  // [Main] Skin, default "default"; empty also "default"
    QString title; // [Main] Title, as read; empty = the skin's own title picture
    // [Main] Caption, trimmed: the window's caption and the message boxes' title; empty or
    // missing "Vistrel".
    QString caption;
    // [Main] ShowSkinMenu, off by default: "1" lets the viewer choose among the disc's skins.
    bool showSkinMenu = false;

    QString slideInterval;     // [SlideShow] Interval, raw text (see media/SlideInterval.h)
    QStringList slidePictures; // [SlideShow] "0" to "99", as read, non-empty ones in key order

    // Every section and key the program reads, but the slideshow's picture keys.
    static const QList<DiscKeys>& knownKeys();
    // The slideshow's picture keys: "0" to "99", written without leading zeros.
    static bool isSlidePictureKey(const QString& key);

    // Every key of the file at iniPath as the given system reads it; a missing or unreadable
    // file gives every default.
    static DiscConfig read(const QString& iniPath, TargetSystem system = RunningSystem);

    // The program understands only this version of the file.
    bool versionSupported() const;
    // The configured path behind a button; empty when there is none.
    const QString& pathOf(ButtonId id) const { return textOf(buttonPaths, id); }
    const QString& pathKeyOf(ButtonId id) const { return textOf(buttonPathKeys, id); }
    // The codec's name in the message that it is missing: [Codec] Description, or the program's
    // own name for the codec it looks for, so the message never names nothing.
    QString codecName() const;
    // Whether a button is there: one without a path always; one with a path when it is
    // configured and the row's switch, if any, is on.
    bool offers(ButtonId id) const;
};

} // namespace vistrel
