#pragma once
// Answers the modal windows a test opens, from a timer, as a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace testi {

// One modal window as the answerer saw it.
struct Nahty {
    QString luokka; // class name, e.g. "QMessageBox" or "sorvik::frmKysyNimi"
    QString otsikko;
    QString teksti; // a message box's text
    QMessageBox::Icon kuvake = QMessageBox::NoIcon;
    QString oletus; // a message box's preselected button
};

// Answers every modal window that opens while it lives: notes what the window
// showed and presses the button whose text is next in the script, or `muuten`
// once the script has run out. `kunNahdaan` may look around before the press.
class Vastaaja : public QObject {
public:
    explicit Vastaaja(std::deque<QString> vastaukset = {}, QString muuten = QStringLiteral("OK"))
        : vastaukset_(std::move(vastaukset)), muuten_(std::move(muuten)) {
        connect(&ajastin_, &QTimer::timeout, this, [this] { Katso(); });
        ajastin_.start(10);
    }

    std::vector<Nahty> nahdyt;
    std::function<void(QWidget*)> kunNahdaan;

    [[nodiscard]] QStringList otsikot() const {
        QStringList tulos;
        for (const Nahty& n : nahdyt) {
            tulos << n.otsikko;
        }
        return tulos;
    }

private:
    void Katso() {
        QWidget* ikkuna = QApplication::activeModalWidget();
        if (ikkuna == nullptr || ikkuna == edellinen_ || !ikkuna->isVisible()) {
            return;
        }
        edellinen_ = ikkuna;
        Nahty n;
        n.luokka = QString::fromLatin1(ikkuna->metaObject()->className());
        n.otsikko = ikkuna->windowTitle();
        if (auto* laatikko = qobject_cast<QMessageBox*>(ikkuna)) {
            n.teksti = laatikko->text();
            n.kuvake = laatikko->icon();
            if (laatikko->defaultButton() != nullptr) {
                n.oletus = laatikko->defaultButton()->text();
            }
        }
        nahdyt.push_back(n);
        if (kunNahdaan) {
            kunNahdaan(ikkuna);
        }
        QString vastaus = muuten_;
        if (!vastaukset_.empty()) {
            vastaus = vastaukset_.front();
            vastaukset_.pop_front();
        }
        for (QAbstractButton* painike : ikkuna->findChildren<QAbstractButton*>()) {
            if (painike->text() == vastaus && painike->isVisible() && painike->isEnabled()) {
                painike->click();
                return;
            }
        }
        qWarning("No button \"%s\" in \"%s\"", qPrintable(vastaus), qPrintable(n.otsikko));
        ikkuna->close();
    }

    std::deque<QString> vastaukset_;
    QString muuten_;
    QPointer<QWidget> edellinen_;
    QTimer ajastin_;
};

} // namespace testi
