// SPDX-License-Identifier: MIT
#include "startup.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QList>
#include <QPluginLoader>
#include <QStringList>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

QList<HeldMessage> held;
QtMessageHandler standardHandler = nullptr;
QString requestedPlatform; // the -platform argument or QT_QPA_PLATFORM; empty: Qt's choice
bool holding = false;

QString fold(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

QString environment(const char* name) {
    return qEnvironmentVariable(name);
}

// The folders Qt looks for window platform plugins in.
QStringList platformFolders() {
    QStringList folders;
    if (const QString path = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !path.isEmpty())
        folders << path;
    for (const QString& path :
         environment("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << path + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    return folders;
}

// Each platform plugin there is: its key, and why it cannot be loaded (empty when it can be).
struct Plugin {
    QString key, file;
};

QList<Plugin> platformPlugins() {
    QList<Plugin> plugins;
    for (const QString& folder : platformFolders())
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
            const QJsonObject meta = QPluginLoader(file.filePath()).metaData();
            for (const auto key : meta.value(QLatin1String("MetaData"))
                                      .toObject()
                                      .value(QLatin1String("Keys"))
                                      .toArray())
                plugins.append({key.toString().toLower(), file.filePath()});
        }
    return plugins;
}

// Why a plugin cannot be loaded, in the system loader's words (Qt's loader has already tried the
// file and keeps no reason); empty when it can.
QString loadError(const QString& file) {
#ifdef Q_OS_UNIX
    void* handle = dlopen(QFile::encodeName(file).constData(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle)
        return fold(QString::fromLocal8Bit(dlerror()));
    dlclose(handle);
    return {};
#else
    QLibrary library(file);
    return library.load() ? QString() : fold(library.errorString());
#endif
}

// Why one platform did not come up.
QString whyNot(const QString& platform, const QList<Plugin>& plugins, bool& listPlatforms) {
    const auto plugin = std::find_if(plugins.cbegin(), plugins.cend(),
                                     [&](const Plugin& p) { return p.key == platform.toLower(); });
    if (plugin == plugins.cend()) {
        listPlatforms = true;
        return QStringLiteral("there is no window platform \"%1\"").arg(platform);
    }
    if (const QString error = loadError(plugin->file); !error.isEmpty()) {
        listPlatforms = true;
        return QStringLiteral("the window platform \"%1\" cannot be loaded: %2")
            .arg(platform, error);
    }
    if (platform == QLatin1String("xcb")) {
        const QString display = environment("DISPLAY");
        return display.isEmpty() ? QStringLiteral("no X display is named (DISPLAY is not set)")
                                 : QStringLiteral("cannot reach the X display \"%1\"").arg(display);
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        QString display = environment("WAYLAND_DISPLAY");
        if (display.isEmpty())
            display = QStringLiteral("wayland-0");
        if (!QDir::isAbsolutePath(display))
            display = QDir(environment("XDG_RUNTIME_DIR")).filePath(display);
        return QStringLiteral("cannot reach the Wayland display \"%1\"").arg(display);
    }
    return {};
}

// The one line that says why the window platform did not come up.
QString platformFailure(const QString& fatal) {
    QStringList candidates;
    for (const QString& entry : requestedPlatform.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        candidates << entry.section(QLatin1Char(':'), 0, 0).trimmed(); // options after ':'
#ifdef Q_OS_WIN
    if (candidates.isEmpty())
        candidates << QStringLiteral("windows");
#else
    const bool x = !environment("DISPLAY").isEmpty();
    const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty();
    if (candidates.isEmpty()) {
        if (!x && !wayland)
            return QStringLiteral("there is no display to open the window on; start it in a "
                                  "desktop session, or on a virtual display with: xvfb-run -a "
                                  "fan-selection");
        if (wayland)
            candidates << QStringLiteral("wayland");
        if (x)
            candidates << QStringLiteral("xcb");
    }
#endif
    const QList<Plugin> plugins = platformPlugins();
    bool listPlatforms = false;
    QStringList reasons;
    for (const QString& candidate : candidates)
        if (const QString reason = whyNot(candidate, plugins, listPlatforms); !reason.isEmpty())
            reasons << reason;
    if (reasons.isEmpty())
        return fold(fatal);
    if (listPlatforms) {
        // Qt's own words on the platform plugins, as it reported them while it tried.
        QStringList told;
        for (const HeldMessage& message : held)
            if (message.category.startsWith("qt.qpa"))
                told << fold(message.text);
        if (!told.isEmpty())
            reasons.last() += QStringLiteral(" (Qt: %1)").arg(told.join(QStringLiteral("; ")));
        QStringList keys;
        for (const Plugin& plugin : plugins)
            if (!keys.contains(plugin.key))
                keys << plugin.key;
        keys.sort();
        reasons
            << QStringLiteral("the platforms there are: %1").arg(keys.join(QStringLiteral(", ")));
    }
#ifndef Q_OS_WIN
    if (x && !candidates.contains(QLatin1String("xcb")) && !requestedPlatform.isEmpty())
        reasons << QStringLiteral("the X display \"%1\" is there: unset QT_QPA_PLATFORM to use it")
                       .arg(environment("DISPLAY"));
#endif
    return reasons.join(QStringLiteral("; "));
}

void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, context.file, context.function, context.category, context.line, text});
        return;
    }
    // A window platform that came up has a name; without one, opening the platform failed.
    const QString line =
        QGuiApplication::platformName().isEmpty() ? platformFailure(text) : fold(text);
    std::fprintf(stderr, "fan-selection: %s\n", qPrintable(line));
    std::_Exit(1);
}

} // namespace

StartUp::StartUp(int argc, char** argv) {
    requestedPlatform = environment("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0)
            requestedPlatform = QString::fromLocal8Bit(argv[i + 1]);
    standardHandler = qInstallMessageHandler(whileStarting);
    holding = true;
}

StartUp::~StartUp() {
    finished();
}

void StartUp::finished() {
    if (!std::exchange(holding, false))
        return;
    qInstallMessageHandler(standardHandler);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        if (standardHandler)
            standardHandler(message.type, context, message.text);
    }
}
