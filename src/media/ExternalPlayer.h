#pragma once

#include <QObject>
#include <QStringList>

namespace vistrel {

class Core;
class MainDialog;

// btnStartPlayer: hands the movie to the configured external player and closes the front end.
class ExternalPlayer : public QObject {
    Q_OBJECT
  public:
    explicit ExternalPlayer(Core& core);

    void connectTo(MainDialog& dialog);
    void startPlayerClicked();

    // The configured parameter as the program's arguments (no argument when it is empty).
    static QStringList playerArguments(const QString& parameter);

  private:
    QString findPlayer() const;

    Core& core_;
};

} // namespace vistrel
