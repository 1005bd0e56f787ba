#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Answers the next modal dialog of type T once it is up: tests drive the real
// message boxes, prompts and file dialogs the way a user would.
template <class T>
void answerNextModal(std::function<void(T *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (T *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            if (!dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}
