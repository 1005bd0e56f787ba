#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "tools/LMToolEnvironment.h"

class QImage;
class QWidget;

// Base of every interactive tool. The canvas owns one handler per tool (named
// by its object name, made from the window's tool table) and forwards its events to the current
// one, with pointer positions both in widget pixels and in document pixels.
class LMScreenMsgHandlerInf : public QObject {
    Q_OBJECT
public:
    explicit LMScreenMsgHandlerInf(LMToolEnvironment *view);

    LMToolEnvironment *view() const { return m_view; }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    virtual void onMousePress(const QPoint &widgetPos, const QPoint &docPos);
    virtual void onMouseRelease(const QPoint &widgetPos, const QPoint &docPos);
    virtual void onMouseMove(const QPoint &widgetPos, const QPoint &docPos);
    virtual void onWheel(int delta);
    virtual void onActivate();
    virtual void onDeactivate();
    virtual void onKeyRelease(int key);
    virtual void onKeyPress(int key, const QString &text);
    virtual void onInputMethod(const QString &commitString);
    virtual void onEnter();
    virtual void onLeave();
    // The current tool hears of a new zoom or page size.
    virtual void onZoomChanged();
    // A picture to place (pasted, imported), over `place` on the page when
    // that is valid; false for a tool that places none.
    virtual bool takePicture(const QImage &picture, const QRect &place = QRect());
    // The tool's settings panel, or null when it has none.
    virtual QWidget *createSettingWidget(QWidget *parent);

protected:
    // The current-item rule: the last live item is this tool's item; when there
    // is none (the first use after an apply) a new one is made by `make` and
    // appended. An item of another class is never taken for this tool's own.
    template <class Item, class Make> Item *currentItemOf(Make make);

private:
    LMToolEnvironment *m_view;
    bool m_active = false;
};

template <class Item, class Make> Item *LMScreenMsgHandlerInf::currentItemOf(Make make)
{
    if (Item *item = dynamic_cast<Item *>(m_view->lastLiveItem()))
        return item;
    Item *item = make();
    m_view->addLiveItem(item);
    return item;
}
