#pragma once
// Answers the next modal message box: remembers what it showed and presses
// its first button, as a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

struct NahtyLaatikko {
    bool nahty = false;
    QString otsikko;
    QString teksti;
    QMessageBox::Icon kuvake = QMessageBox::NoIcon;
    QStringList painikkeet;
};

class Vastaaja {
public:
    Vastaaja() {
        QObject::connect(&ajastin, &QTimer::timeout, &ajastin, [this] {
            auto* laatikko = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (laatikko == nullptr) {
                // No box after ten seconds: close whatever is modal, so that a
                // broken program fails its test instead of hanging.
                if (++odotetut > 1000 && QApplication::activeModalWidget() != nullptr) {
                    QApplication::activeModalWidget()->close();
                }
                return;
            }
            ajastin.stop();
            nahty.nahty = true;
            nahty.otsikko = laatikko->windowTitle();
            nahty.teksti = laatikko->text();
            nahty.kuvake = laatikko->icon();
            for (QAbstractButton* p : laatikko->buttons()) {
                nahty.painikkeet.append(p->text());
            }
            if (!laatikko->buttons().isEmpty()) {
                laatikko->buttons().front()->click();
            } else {
                laatikko->close();
            }
        });
        ajastin.start(10);
    }

    NahtyLaatikko nahty;

private:
    QTimer ajastin;
    int odotetut = 0;
};
