#pragma once

#include "base/Singleton.h"

#include <QCompleter>

// Completion over the colour names, shared by every colour field.
class KVCLIENT_ColorCompleter : public QCompleter, public Singleton<KVCLIENT_ColorCompleter> {
    Q_OBJECT
public:
    explicit KVCLIENT_ColorCompleter(QObject *parent = nullptr);
};
