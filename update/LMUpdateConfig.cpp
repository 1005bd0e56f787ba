#include "update/LMUpdateConfig.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#ifndef LUMETRA_UPDATE_URL
#define LUMETRA_UPDATE_URL ""
#endif
#ifndef LUMETRA_UPDATE_INSTALLER
#define LUMETRA_UPDATE_INSTALLER "Setup_enu.exe"
#endif
#ifndef LUMETRA_RELEASE
#define LUMETRA_RELEASE "01.00.00.07"
#endif

LMUpdateConfig LMUpdateConfig::fromDeployment()
{
    QSettings stored(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"));
    stored.beginGroup(QStringLiteral("update"));
    LMUpdateConfig config;
    config.addressText =
        stored.value(QStringLiteral("address"), QStringLiteral(LUMETRA_UPDATE_URL)).toString();
    const QByteArray fromEnvironment = qgetenv("LUMETRA_UPDATE_URL");
    if (!fromEnvironment.isEmpty())
        config.addressText = QString::fromLocal8Bit(fromEnvironment);
    config.addressText = config.addressText.trimmed();
    if (!config.addressText.isEmpty())
        config.address = LMUpdateAddress::parse(config.addressText);
    config.versionFile =
        stored.value(QStringLiteral("versionFile"), QStringLiteral("version_win_enu.txt"))
            .toString();
    config.installerName =
        stored.value(QStringLiteral("installer"), QStringLiteral(LUMETRA_UPDATE_INSTALLER))
            .toString();
    config.caFile = stored.value(QStringLiteral("caFile")).toString();
    const int stall = stored.value(QStringLiteral("stallTimeoutMs"), DefaultStallTimeoutMs).toInt();
    config.stallTimeoutMs = stall > 0 ? stall : DefaultStallTimeoutMs;
    // The user's own cache, never the shared temporary folder: an installer
    // is run from here.
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::homePath() + QStringLiteral("/.cache/lumetra");
    config.localFolder = cache + QStringLiteral("/updates/");
    config.ownVersion = QStringLiteral(LUMETRA_RELEASE);
    return config;
}
