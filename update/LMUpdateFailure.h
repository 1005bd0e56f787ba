#pragma once

// Why an update transfer ended without its file. Each has its own message.
enum class LMUpdateFailure {
    NotConfigured, // no server address is set
    BadAddress,    // the configured address is not an ftp:// address
    Unreachable,   // no FTP server answered
    LoginRefused,
    MissingFile, // the directory or the file is not on the server
    Untrusted,   // the server's TLS certificate failed verification
    Broken,      // the transfer broke off
    Incomplete,  // fewer bytes arrived than the server announced
    Timeout,     // no progress for the stall timeout
    LocalFile,   // the download could not be written
    Aborted,     // stopped on request
};
