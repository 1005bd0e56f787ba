#pragma once

#include <curl/curl.h>

// libcurl, opened on the first transfer instead of at start-up: it brings
// some thirty libraries (TLS, Kerberos, LDAP, SSH, ...) that every start
// would otherwise load and map for an update check few runs make.
struct _LMCurl {
    decltype(&curl_global_init) global_init;
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_setopt) multi_setopt;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_socket_action) multi_socket_action;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_multi_cleanup) multi_cleanup;

    // The library, opened and initialised once; null when it is not
    // installed or lacks a function (the reason goes to the update log).
    static const _LMCurl *get();
};
