#include "app/LMResources.h"
#include "model/LMDesign.h"
#include "model/outlines/LMArtFrameFactory.h"

#include <QTest>

class TestArtFrameFactory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { lmInitResources(); }

    void init()
    {
        m_catalogue = new LMArtFrameFactory;
        m_design = new LMDesign(m_catalogue);
        m_design->setPaper(2, true, QSize(837, 648));
        m_design->centreOutline();
    }

    void cleanup()
    {
        delete m_design;
        delete m_catalogue;
    }

private:
    LMArtFrameFactory *m_catalogue = nullptr;
    LMDesign *m_design = nullptr;
};

QTEST_MAIN(TestArtFrameFactory)

#include "tst_artframefactory.moc"
