#include "platform/log/Log.h"

Q_LOGGING_CATEGORY(logStartup, "vistrel.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(logMessage, "vistrel.message", QtWarningMsg)
Q_LOGGING_CATEGORY(logExit, "vistrel.exit", QtWarningMsg)
Q_LOGGING_CATEGORY(logWindow, "vistrel.window", QtWarningMsg)
Q_LOGGING_CATEGORY(logSkin, "vistrel.skin", QtWarningMsg)
Q_LOGGING_CATEGORY(logLanguage, "vistrel.language", QtWarningMsg)
Q_LOGGING_CATEGORY(logMenu, "vistrel.menu", QtWarningMsg)
Q_LOGGING_CATEGORY(logMedia, "vistrel.media", QtWarningMsg)
Q_LOGGING_CATEGORY(logAction, "vistrel.action", QtWarningMsg)
Q_LOGGING_CATEGORY(logProcess, "vistrel.process", QtWarningMsg)
Q_LOGGING_CATEGORY(logRegistry, "vistrel.registry", QtWarningMsg)
