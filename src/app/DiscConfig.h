#pragma once

#include "window/Buttons.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace vistrel {

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
        QString parameter;   // [Player] Parameter, trimmed: the external player's argument
    };
    struct Codec {
        QString description; // [Codec] Description, trimmed: named when the codec is missing
    };

    QString defaultLanguage; // [Main] DefaultLanguage, default "english"; empty also "english"
    QString version;         // [Main] Version, default "1.0", trimmed
    Player player;
    Codec codec;
    // What each button opens, by the key its row names ([Main] ExplorerPath, [Player] RunPath),
    // trimmed; empty for a button without one.
    ButtonTexts buttonPaths;
    // The [Main] switches the buttons' rows name (ShowInstallPlayer), default "1", as read.
    QMap<QString, bool> buttonSwitches;

    QString movie; // [Main] Movie, as read
    // Read only when there is no movie: with one, music stays empty and the slideshow off.
    QString music;          // [Main] Music, as read
    bool slideShow = false; // [Main] SlideShow, no default, as read

    QString skin;  // [Main] Skin, default "default"; empty also "default"
    QString title; // [Main] Title, as read; empty = the skin's own title picture
    // [Main] ShowSkinMenu, off by default: "1" lets the viewer choose among the disc's skins.
    bool showSkinMenu = false;

    QString slideInterval;     // [SlideShow] Interval, raw text (see media/SlideInterval.h)
    QStringList slidePictures; // [SlideShow] "0" to "99", as read, non-empty ones in key order

    // Every section and key the program reads, but the slideshow's picture keys.
    static const QList<DiscKeys>& knownKeys();
    // The slideshow's picture keys: "0" to "99", written without leading zeros.
    static bool isSlidePictureKey(const QString& key);

    // Every key of the file at iniPath; a missing or unreadable file gives every default.
    static DiscConfig read(const QString& iniPath);

    // The program understands only this version of the file.
    bool versionSupported() const;
    // The configured path behind a button; empty when there is none.
    const QString& pathOf(ButtonId id) const { return textOf(buttonPaths, id); }
    // Whether a button is there: one without a path always; one with a path when it is
    // configured and the row's switch, if any, is on.
    bool offers(ButtonId id) const;
};

} // namespace vistrel
