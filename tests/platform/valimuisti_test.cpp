// The parsed file is kept between calls and read again only when it changed.

#include "TestiKoti.h"
#include "Valimuisti.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>

#include <sys/stat.h>

namespace {

using Valimuisti = TestiKoti;
using sorvik::rekisteri::Jasennyksia;

TEST_F(Valimuisti, MuuttumatontaTiedostoaEiJasennetaUudelleen) {
    ASSERT_EQ(AsetaTeksti("K", "v", "1"), ERROR_SUCCESS);
    ASSERT_EQ(AsetaTeksti("K", "w", "2"), ERROR_SUCCESS);
    const auto ennen = Jasennyksia();
    for (int k = 0; k < 100; ++k) {
        ASSERT_EQ(LueTeksti("K", "v"), "1");
    }
    EXPECT_EQ(Jasennyksia(), ennen) << "a write leaves the written file parsed";

    // Changed in place, the same size and with its old modification time put
    // back: the change time still tells.
    QByteArray sisalto = LuePesa();
    const QByteArray vanha = Utf16Tiedosto(QStringLiteral("\"v\"=\"1\"")).mid(2);
    ASSERT_TRUE(sisalto.contains(vanha));
    sisalto.replace(vanha, Utf16Tiedosto(QStringLiteral("\"v\"=\"3\"")).mid(2));
    const QDateTime aika = QFileInfo(Pesa()).lastModified();
    {
        QFile f(Pesa());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_EQ(f.write(sisalto), sisalto.size());
        ASSERT_TRUE(f.setFileTime(aika, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(LueTeksti("K", "v"), "3");
    // Once the file is plainly older than the clock's tick, it is parsed once more and kept.
    QThread::msleep(120);
    const auto taas = Jasennyksia();
    for (int k = 0; k < 100; ++k) {
        ASSERT_EQ(LueTeksti("K", "w"), "2");
    }
    EXPECT_EQ(Jasennyksia(), taas + 1);
}

// A named pipe in the file's place neither blocks a call nor gets replaced.
TEST_F(Valimuisti, PutkiTiedostonPaikallaEiJumita) {
    ASSERT_EQ(AsetaTeksti("K", "v", "1"), ERROR_SUCCESS);
    ASSERT_TRUE(QFile::remove(Pesa()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Pesa()).constData(), 0600), 0);
    QElapsedTimer kello;
    kello.start();
    EXPECT_EQ(Lue("K", "v").tulos, ERROR_CANTREAD);
    EXPECT_EQ(AsetaTeksti("K", "v", "2"), ERROR_CANTREAD);
    EXPECT_LT(kello.elapsed(), 5000);
    EXPECT_FALSE(QFileInfo(Pesa()).isFile());
}

} // namespace
