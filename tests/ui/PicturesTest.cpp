// Every picture the game ships decodes, and the file dialogs' filters read
// as Qt reads them.

#include "UiTestMain.h"

#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/QtDialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>

using namespace tavo::ui;

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureDecodes() {
        const QStringList names = pictureNames();
        QVERIFY(names.size() >= 9);
        for (const QString& name : names) {
            QImageReader reader(QStringLiteral(":/pictures/%1.jpg").arg(name));
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
            QVERIFY(image.width() >= 64 && image.height() >= 32);
            QVERIFY(!picture(name).isNull());
            QCOMPARE(picture(name).devicePixelRatio(), 2.0);
        }
        QCOMPARE(picture("menu-background").deviceIndependentSize().toSize(), QSize(640, 480));
    }

    void fileDialogsShowEachFilterOnce_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("save") << "Save Files (*.sav)|*.sav|All Files (*.txt)|*.*"
                              << "Save Files (*.sav) (*.sav);;All Files (*.txt) (*)"
                              << QStringList{"Save Files (*.sav)", "All Files (*.txt)"};
        QTest::newRow("load") << "Save Game (*.sav)|*.sav|All File (*.*)|*.*"
                              << "Save Game (*.sav) (*.sav);;All File (*.*) (*)"
                              << QStringList{"Save Game (*.sav)", "All File (*.*)"};
        QTest::newRow("one") << "Bars list file (*.bar)|*.bar"
                             << "Bars list file (*.bar) (*.bar)"
                             << QStringList{"Bars list file (*.bar)"};
    }

    void fileDialogsShowEachFilterOnce() {
        QFETCH(QString, game);
        QFETCH(QString, qt);
        QFETCH(QStringList, shown);
        QCOMPARE(toQtFilter(game), qt); // the patterns Qt filters by
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        setUpFileDialog(dialog, {"Save your game", "sav", game}, QFileDialog::AcceptSave);
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QStringList labels;
        for (int i = 0; i < types->count(); ++i)
            labels << types->itemText(i);
        QCOMPARE(labels, shown);
    }
};

TAVO_UI_TEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
