#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

// Answers the next modal dialog of type T once it is up: tests drive the real
// message boxes, prompts and file dialogs the way a user would. A dialog still
// open a while after its answer (a file dialog that ignored the chosen name,
// say) is answered again rather than left to hang the test.
template <class T>
void answerNextWindow(std::function<QWidget *()> activeWindow, std::function<void(T *)> answer)
{
    // Owned by the application, so a poll still waiting when the test ends
    // goes with it rather than leaking.
    auto *poll = new QTimer(QCoreApplication::instance());
    poll->setObjectName(QStringLiteral("modalAnswer"));
    poll->setInterval(10);
    struct State {
        QPointer<T> dialog;
        bool answered = false;
        int ticks = 0;
    };
    auto state = std::make_shared<State>();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, activeWindow, answer, state] {
        if (state->answered) {
            if (!state->dialog || !state->dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
            } else if (++state->ticks % 20 == 0) {
                answer(state->dialog.data());
            }
            return;
        }
        T *dialog = qobject_cast<T *>(activeWindow());
        if (!dialog || !dialog->isVisible())
            return;
        state->dialog = dialog;
        state->answered = true;
        answer(dialog);
    });
    poll->start();
}

// Answers that were never needed (no warning came) must not answer a later
// test's dialog with what they captured: a test's cleanup drops them.
inline void forgetUnusedAnswers()
{
    for (QTimer *poll : QCoreApplication::instance()->findChildren<QTimer *>(
             QStringLiteral("modalAnswer"), Qt::FindDirectChildrenOnly))
        delete poll;
}

template <class T> void answerNextModal(std::function<void(T *)> answer)
{
    answerNextWindow<T>(&QApplication::activeModalWidget, answer);
}

// Menus are popups, not modal dialogs.
template <class T> void answerNextPopup(std::function<void(T *)> answer)
{
    answerNextWindow<T>(&QApplication::activePopupWidget, answer);
}
