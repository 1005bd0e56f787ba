#include "base/LMText.h"

namespace {
LMTextSource *s_source = nullptr;
}

void LMTextSource::install(LMTextSource *source)
{
    s_source = source;
}

void LMTextSource::uninstall(LMTextSource *source)
{
    if (s_source == source)
        s_source = nullptr;
}

LMTextSource *LMTextSource::current()
{
    return s_source;
}

QString lmText(int line)
{
    return s_source ? s_source->textOf(line) : QString();
}
