#pragma once

#include "update/LMUpdateAddress.h"

#include <QString>

#include <optional>

// Everything the update check takes from the deployment: the server address,
// the file names, the certificate to trust and the stall timeout.
struct LMUpdateConfig {
    // The address as configured, before parsing; empty when none is.
    QString addressText;
    // Parsed address; empty when none is configured or it is not valid.
    std::optional<LMUpdateAddress> address;
    QString versionFile;
    QString installerName;
    QString caFile;      // empty: the system's certificate store
    int stallTimeoutMs;  // a transfer with no progress for this long fails
    QString localFolder; // where the downloads go
    QString ownVersion;  // the release this program is

    static constexpr int DefaultStallTimeoutMs = 20000;

    // The compiled-in values, overridden by the settings file, the address
    // also by the environment variable LUMETRA_UPDATE_URL.
    static LMUpdateConfig fromDeployment();
};
