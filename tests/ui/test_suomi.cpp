// Qt's own texts a player can meet (a text box's context menu, standard
// buttons) come out in Finnish.

#include "Suomi.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

class TestSuomi : public QObject {
    Q_OBJECT

private slots:
    void tekstikentanValikkoOnSuomeksi() {
        QVERIFY(sorvik::AsennaSuomi());
        QLineEdit kentta;
        kentta.setText(QStringLiteral("Nimetön"));
        std::unique_ptr<QMenu> valikko(kentta.createStandardContextMenu());
        QStringList tekstit;
        for (const QAction* toiminto : valikko->actions()) {
            if (!toiminto->isSeparator()) {
                tekstit << toiminto->text();
            }
        }
        QVERIFY(!tekstit.isEmpty());
        for (const QString& englanniksi :
             {QStringLiteral("&Undo"), QStringLiteral("&Redo"), QStringLiteral("Cu&t"),
              QStringLiteral("&Copy"), QStringLiteral("&Paste"), QStringLiteral("Select All")}) {
            QVERIFY2(!tekstit.contains(englanniksi), qPrintable(tekstit.join(", ")));
        }
    }
};

QTEST_MAIN(TestSuomi)
#include "test_suomi.moc"
