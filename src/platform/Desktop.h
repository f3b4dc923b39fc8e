#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vistrel {

// Starting programs and handing folders and links to the desktop. Never through a shell.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Starts the program without waiting; false when the platform refused to start it.
    bool startProgram(const QString& program, const QStringList& arguments);
    void openFolder(const QString& path);
    void openUrl(const QUrl& url);

  protected:
    virtual bool doStartProgram(const QString& program, const QStringList& arguments) = 0;
    virtual void doOpenFolder(const QString& path) = 0;
    virtual void doOpenUrl(const QUrl& url) = 0;
};

} // namespace vistrel
