#include "update/LMUpdateAddress.h"

#include <QUrl>

std::optional<LMUpdateAddress> LMUpdateAddress::parse(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("ftp") || url.host().isEmpty())
        return std::nullopt;
    if (url.hasQuery() || url.hasFragment())
        return std::nullopt;
    LMUpdateAddress address;
    address.host = url.host();
    address.port = url.port(21);
    address.user = url.userName(QUrl::FullyDecoded);
    address.password = url.password(QUrl::FullyDecoded);
    QString path = url.path(QUrl::FullyDecoded);
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    address.directory = path;
    return address;
}

QString LMUpdateAddress::redacted() const
{
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(host);
    if (port != 21)
        url.setPort(port);
    url.setUserName(user);
    url.setPath(QLatin1Char('/') + directory);
    return url.toDisplayString();
}

QByteArray LMUpdateAddress::urlOf(const QString &file) const
{
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QLatin1Char('/') + directory + file);
    return url.toEncoded();
}
