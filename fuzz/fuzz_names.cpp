// Feeds arbitrary bytes to the reader of name lists, as a text file and as a
// CSV file. Whatever the bytes, the names that come out are whole lines:
// none empty, none with a line break, at most as many as a design keeps.
#include "model/LMDocument.h"
#include "model/LMNameList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const LMNameList::Rows rows : {LMNameList::Rows::Text, LMNameList::Rows::Table}) {
        const std::optional<QStringList> names = LMNameList::fromBytes(bytes, rows);
        if (!names)
            continue;
        if (names->size() > LMDocument::MaxNames)
            std::abort();
        for (const QString &name : *names) {
            if (name.isEmpty() || name.contains(QLatin1Char('\n')) || name != name.trimmed())
                std::abort();
        }
    }
    return 0;
}
