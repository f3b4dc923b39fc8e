#pragma once

#include "actions/DiscActions.h"
#include "app/AppState.h"
#include "app/Services.h"
#include "language/LanguageLoader.h"
#include "language/LanguageTexts.h"
#include "language/MainMenu.h"
#include "media/DisplayModes.h"
#include "media/ExternalPlayer.h"
#include "media/Playback.h"
#include "media/Slideshow.h"
#include "skin/SkinLoader.h"
#include "window/ButtonLooks.h"

#include <QObject>

#include <memory>

namespace vistrel {

// Owns the program's state and subsystems and wires the main window's events to them.
class Core : public QObject {
    Q_OBJECT
  public:
    explicit Core(Services services);
    ~Core() override;

    // The start-up sequence. True when the main window is shown; false when the program has
    // been ended (services.programEnd has been told why).
    bool Main(const QString& appPath);

    MainDialog& dialog() { return *dialog_; }
    bool hasDialog() const { return dialog_ != nullptr; }

    // Ends the program because the main window was unloaded.
    void unload(const QString& reason);

    Services services;
    AppState state;
    LanguageTexts texts;
    LanguageLoader language;
    SkinLoader skins;
    Slideshow slideshow;
    ButtonLooks buttonLooks;
    MainMenu menu;
    DiscActions actions;
    Playback playback;
    DisplayModes displayModes;
    ExternalPlayer externalPlayer;

  private:
    bool createMainDialog();
    QString chooseLanguage();
    void readConfiguration();
    void selectMedia();
    void checkMediaFile();
    void showOfferedButtons();
    void connectHandlers();
    bool fail(const QString& reason);

    std::unique_ptr<MainDialog> dialog_;
};

} // namespace vistrel
