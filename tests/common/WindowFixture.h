#pragma once

#include "ModalAnswer.h"
#include "PagePixels.h"
#include "app/LMMainWidget.h"
#include "canvas/LMGraphView.h"
#include "model/LMDesign.h"
#include "model/output/LMOutput.h"
#include "ui_LMMainWidget.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>

#include <QTest>
#include <functional>

// The real main window, shown, for tests that drive it as a user does.
class WindowFixture {
protected:
    void openWindow()
    {
        // Margins outlast windows; each test starts at the default ones.
        QSettings(QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))
            .remove(QStringLiteral("print/margins"));
        m_window = new LMMainWidget;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // A first start fits the page to the screen; tests point in page pixels.
        ui()->spin_size->setValue(100);
    }
    void closeWindow()
    {
        design()->setModified(false); // nothing to ask about on the way out
        delete m_window;
        m_window = nullptr;
    }

    LMGraphView *canvas() const { return m_window->graphView(); }
    LMDesign *design() const { return m_window->design(); }
    Ui::LMMainWidget *ui() const { return m_window->form(); }
    // The page's colour at a document point, whatever its detail.
    QColor at(int x, int y) const { return colourAt(canvas()->rasterImage(), x, y); }

    // The page raster's size in document pixels, whatever its detail.
    QSize rasterSize() const { return canvas()->rasterImage().deviceIndependentSize().toSize(); }

    // The picture an image written now would hold.
    QImage exported() const
    {
        return LMOutput::render(design()->toDocument(), design()->outputShapes(),
                                canvas()->fileJob());
    }
    // The colour at a document point of an exported picture, which holds the
    // page at its own detail.
    QColor exportedAt(const QImage &picture, const QPoint &point) const
    {
        return colourAt(picture, point.x(), point.y(),
                        double(picture.width()) / design()->pageSize().width());
    }
    // Paints straight into the page, as a drawing tool commits: one undo step.
    void paint(const std::function<void(QPainter &)> &draw) const
    {
        design()->paintPage([&](QPainter &painter) {
            draw(painter);
            return true;
        });
    }
    // A white page, the step only taken when the page was not white already.
    void whitePage() const
    {
        QImage white(canvas()->rasterImage().size(), canvas()->rasterImage().format());
        white.fill(Qt::white);
        if (canvas()->rasterImage() != white)
            paint([](QPainter &painter) { painter.fillRect(painter.window(), Qt::white); });
    }

    // A left-button drag on the canvas, widget pixels, in `steps` moves.
    void drag(const QPoint &from, const QPoint &to, int steps = 4) const
    {
        QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(canvas(), from + (to - from) * i / steps);
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, to);
    }
    // The orientation check box, clicked on the box itself.
    void toggleLandscape() const
    {
        QTest::mouseClick(ui()->chk_horizonal, Qt::LeftButton, {},
                          QPoint(8, ui()->chk_horizonal->height() / 2));
    }

    LMMainWidget *m_window = nullptr;
};

// The pixels of `image` darker than `gray`, in its own pixels.
inline QRect inkRect(const QImage &image, int gray = 128)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < gray)
                r |= QRect(x, y, 1, 1);
    return r;
}

// Picks `path` in the next file dialog; an empty path cancels it.
inline void chooseFile(const QString &path)
{
    answerNextModal<QFileDialog>([path](QFileDialog *dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // A focused name field ignores selectFile(), so take the focus away first.
        if (QWidget *focused = dialog->focusWidget())
            focused->clearFocus();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// Closes the next warning box and remembers what it said, and its title.
inline void noteWarning(QString *text, QString *title = nullptr)
{
    answerNextModal<QMessageBox>([text, title](QMessageBox *box) {
        *text = box->text();
        if (title)
            *title = box->windowTitle();
        box->accept();
    });
}
