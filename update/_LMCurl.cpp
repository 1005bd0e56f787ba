#include "update/_LMCurl.h"

#include "base/LMLogging.h"

#include <dlfcn.h>

namespace {
template <class F> bool resolve(void *library, const char *name, F &function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    if (!function)
        qCDebug(lcUpdate) << "libcurl lacks" << name;
    return function != nullptr;
}

const _LMCurl *open()
{
    // The ABI's soname: the version every libcurl 7 and 8 keeps.
    void *library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        qCDebug(lcUpdate) << "libcurl could not be opened:" << dlerror();
        return nullptr;
    }
    static _LMCurl curl;
    const bool complete = resolve(library, "curl_global_init", curl.global_init) &&
                          resolve(library, "curl_easy_init", curl.easy_init) &&
                          resolve(library, "curl_easy_setopt", curl.easy_setopt) &&
                          resolve(library, "curl_easy_getinfo", curl.easy_getinfo) &&
                          resolve(library, "curl_easy_strerror", curl.easy_strerror) &&
                          resolve(library, "curl_easy_cleanup", curl.easy_cleanup) &&
                          resolve(library, "curl_multi_init", curl.multi_init) &&
                          resolve(library, "curl_multi_setopt", curl.multi_setopt) &&
                          resolve(library, "curl_multi_add_handle", curl.multi_add_handle) &&
                          resolve(library, "curl_multi_remove_handle", curl.multi_remove_handle) &&
                          resolve(library, "curl_multi_socket_action", curl.multi_socket_action) &&
                          resolve(library, "curl_multi_info_read", curl.multi_info_read) &&
                          resolve(library, "curl_multi_cleanup", curl.multi_cleanup);
    // Kept open for the rest of the run: handles and TLS state live in it.
    if (!complete || curl.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return nullptr;
    return &curl;
}
} // namespace

const _LMCurl *_LMCurl::get()
{
    static const _LMCurl *curl = open();
    return curl;
}
