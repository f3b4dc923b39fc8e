#pragma once

#include <QLoggingCategory>

// Every user-visible event is logged under vistrel.*; off unless QT_LOGGING_RULES switches it on.
Q_DECLARE_LOGGING_CATEGORY(logStartup)  // vistrel.startup
Q_DECLARE_LOGGING_CATEGORY(logMessage)  // vistrel.message
Q_DECLARE_LOGGING_CATEGORY(logExit)     // vistrel.exit
Q_DECLARE_LOGGING_CATEGORY(logWindow)   // vistrel.window
Q_DECLARE_LOGGING_CATEGORY(logSkin)     // vistrel.skin
Q_DECLARE_LOGGING_CATEGORY(logLanguage) // vistrel.language
Q_DECLARE_LOGGING_CATEGORY(logMenu)     // vistrel.menu
Q_DECLARE_LOGGING_CATEGORY(logMedia)    // vistrel.media
Q_DECLARE_LOGGING_CATEGORY(logAction)   // vistrel.action
Q_DECLARE_LOGGING_CATEGORY(logProcess)  // vistrel.process
Q_DECLARE_LOGGING_CATEGORY(logRegistry) // vistrel.registry
