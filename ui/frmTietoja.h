#pragma once
// The About dialog: the program's name, icon and version, and two clickable
// links to the web page and the support address.

#include "Lomake.h"

#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

namespace sorvik {

// Controls by objectName: "picOhjelmanKuvake", "lblOhjelmanNimi", "lblVersio",
// "lblTekija", "lblWWW", "lblEmail" and "cmdOK".
//
// `avaa` opens a link target with the user's default program; the program
// passes QDesktopServices::openUrl.
class frmTietoja : public Lomake {
    Q_OBJECT

public:
    frmTietoja(std::function<void(const QUrl&)> avaa, QWidget* parent = nullptr);

    // The link targets.
    [[nodiscard]] static QUrl VerkkosivunOsoite();
    [[nodiscard]] static QUrl TukiosoitteenOsoite();

protected:
    bool eventFilter(QObject* kohde, QEvent* tapahtuma) override;

private:
    void cmdOK_Click();
    void AvaaLinkki(const QUrl& osoite);

    std::function<void(const QUrl&)> avaa_;
    QLabel* picOhjelmanKuvake_;
    QLabel* lblOhjelmanNimi_;
    QLabel* lblVersio_;
    QLabel* lblTekija_;
    QLabel* lblWWW_;
    QLabel* lblEmail_;
    QPushButton* cmdOK_;
};

} // namespace sorvik
