#pragma once

#include <QProcess>

#include <functional>

// The program itself, started the way a script starts it: no display.
struct LumetraRun {
    int code; // -1: did not finish, -2: crashed
    QString out, err;
};

// `inChild` runs in the child before the program starts (limits, say).
inline LumetraRun runLumetra(const QStringList &arguments,
                             QProcessEnvironment env = QProcessEnvironment::systemEnvironment(),
                             std::function<void()> inChild = {})
{
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LUMETRA_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {-1, QString(), QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
