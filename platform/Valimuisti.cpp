#include "Valimuisti.h"
#include "Tilannekuva.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvik::rekisteri {

namespace {

// An open file descriptor, closed with its owner.
class Kuvaaja {
public:
    Kuvaaja() = default;
    explicit Kuvaaja(int fd) : fd_(fd) {}
    Kuvaaja(Kuvaaja&& muu) noexcept : fd_(std::exchange(muu.fd_, -1)) {}
    Kuvaaja& operator=(Kuvaaja&& muu) noexcept {
        if (this != &muu) {
            Sulje();
            fd_ = std::exchange(muu.fd_, -1);
        }
        return *this;
    }
    Kuvaaja(const Kuvaaja&) = delete;
    Kuvaaja& operator=(const Kuvaaja&) = delete;
    ~Kuvaaja() { Sulje(); }
    [[nodiscard]] int fd() const { return fd_; }

private:
    void Sulje() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    int fd_ = -1;
};

// What tells one file on the path from another. Writers replace the file by a
// rename, so a new version is a new inode; the inode number of the version in
// the cache cannot be reused while the cache keeps that file open.
struct Tunniste {
    dev_t laite = 0;
    ino_t solmu = 0;
    off_t koko = 0;
    timespec muutettu{};
    timespec tilaMuutettu{};

    explicit Tunniste(const struct stat& st)
        : laite(st.st_dev), solmu(st.st_ino), koko(st.st_size), muutettu(st.st_mtim),
          tilaMuutettu(st.st_ctim) {}
    Tunniste() = default;

    friend bool operator==(const Tunniste& a, const Tunniste& b) {
        const auto sama = [](const timespec& x, const timespec& y) {
            return x.tv_sec == y.tv_sec && x.tv_nsec == y.tv_nsec;
        };
        return a.laite == b.laite && a.solmu == b.solmu && a.koko == b.koko &&
               sama(a.muutettu, b.muutettu) && sama(a.tilaMuutettu, b.tilaMuutettu);
    }
};

struct Muisti {
    std::mutex lukko;
    QString nimi;
    Tunniste tunniste;
    Kuvaaja auki;
    // False while a change in place could still leave the times as they are.
    bool varma = false;
    std::shared_ptr<const Versio> versio;
    std::uint64_t jasennyksia = 0;
};

Muisti& TheMuisti() {
    static Muisti muisti;
    return muisti;
}

// The version a Tilannekuva of this thread holds.
struct Kuva {
    int syvyys = 0;
    QString nimi;
    std::shared_ptr<const Versio> versio;
};

Kuva& TamanSaikeenKuva() {
    thread_local Kuva kuva;
    return kuva;
}

std::shared_ptr<const Versio> Puuttuva() {
    static const auto puuttuva = std::make_shared<const Versio>();
    return puuttuva;
}

LONG LukuVirhe(int virhe) {
    return virhe == EACCES || virhe == EPERM ? ERROR_ACCESS_DENIED : ERROR_CANTREAD;
}

// A file stamped this close to the moment its reading began may still change
// in place without a new stamp (stamps come from a clock of coarse ticks).
bool Tuore(const struct stat& st, const timespec& alku) {
    constexpr long long Vara = 50'000'000; // ns
    const auto ns = [](const timespec& t) {
        return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
    };
    const long long leima = std::max(ns(st.st_mtim), ns(st.st_ctim));
    return leima + Vara >= ns(alku);
}

bool LueKaikki(int fd, qint64 koko, QByteArray& data) {
    data.resize(static_cast<qsizetype>(koko));
    qsizetype luettu = 0;
    for (;;) {
        if (luettu == data.size()) {
            data.resize(data.size() + 4096); // the file may have grown
        }
        const ssize_t n =
            ::read(fd, data.data() + luettu, static_cast<size_t>(data.size() - luettu));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            data.resize(luettu);
            return true;
        }
        luettu += n;
        if (luettu > SuurinTiedosto) {
            return false;
        }
    }
}

Haku Hae(const QString& nimi) {
    const QByteArray polku = QFile::encodeName(nimi);
    Muisti& m = TheMuisti();
    const std::lock_guard<std::mutex> lukittu(m.lukko);
    for (int yritys = 0;; ++yritys) {
        struct stat st {};
        if (::stat(polku.constData(), &st) != 0) {
            if (errno == EINTR && yritys < 5) {
                continue;
            }
            if (errno == ENOENT || errno == ENOTDIR) {
                m.versio.reset();
                m.auki = Kuvaaja();
                return {ERROR_SUCCESS, Puuttuva()};
            }
            return {LukuVirhe(errno), nullptr};
        }
        if (m.versio && m.varma && m.nimi == nimi && Tunniste(st) == m.tunniste) {
            return {ERROR_SUCCESS, m.versio};
        }
        timespec alku{};
        ::clock_gettime(CLOCK_REALTIME_COARSE, &alku);
        // Not blocking on a named pipe put in the file's place.
        Kuvaaja tiedosto(::open(polku.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
        if (tiedosto.fd() < 0) {
            if ((errno == ENOENT || errno == EINTR) && yritys < 5) {
                continue; // replaced or removed since the stat: look again
            }
            return {LukuVirhe(errno), nullptr};
        }
        struct stat ennen {};
        if (::fstat(tiedosto.fd(), &ennen) != 0 || !S_ISREG(ennen.st_mode)) {
            return {ERROR_CANTREAD, nullptr};
        }
        Versio versio;
        versio.tiedostoOn = true;
        if (ennen.st_size > SuurinTiedosto) {
            versio.sisalto.kelvoton = true;
        } else {
            QByteArray data;
            struct stat jalkeen {};
            if (!LueKaikki(tiedosto.fd(), ennen.st_size, data) ||
                ::fstat(tiedosto.fd(), &jalkeen) != 0) {
                return {ERROR_CANTREAD, nullptr};
            }
            if (!(Tunniste(jalkeen) == Tunniste(ennen)) && yritys < 5) {
                continue; // changed in place while being read
            }
            versio.sisalto = Jasenna(data);
            ++m.jasennyksia;
        }
        m.nimi = nimi;
        m.tunniste = Tunniste(ennen);
        m.auki = std::move(tiedosto);
        m.varma = !Tuore(ennen, alku);
        m.versio = std::make_shared<const Versio>(std::move(versio));
        return {ERROR_SUCCESS, m.versio};
    }
}

} // namespace

Haku NykyinenVersio(const QString& nimi, bool kuvasta) {
    Kuva& kuva = TamanSaikeenKuva();
    const bool kuvassa = kuvasta && kuva.syvyys > 0;
    if (kuvassa && kuva.versio && kuva.nimi == nimi) {
        return {ERROR_SUCCESS, kuva.versio};
    }
    Haku haku = Hae(nimi);
    if (kuvassa && haku.virhe == ERROR_SUCCESS) {
        kuva.nimi = nimi;
        kuva.versio = haku.versio;
    }
    return haku;
}

void Kirjoitettu(const QString& nimi, std::shared_ptr<const Versio> versio) {
    Kuva& kuva = TamanSaikeenKuva();
    if (kuva.syvyys > 0 && kuva.nimi == nimi) {
        kuva.versio = versio;
    }
    Muisti& m = TheMuisti();
    const std::lock_guard<std::mutex> lukittu(m.lukko);
    Kuvaaja tiedosto(
        ::open(QFile::encodeName(nimi).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (tiedosto.fd() < 0 || ::fstat(tiedosto.fd(), &st) != 0) {
        m.versio.reset();
        return;
    }
    // The writer holds the lock, so the file on the path is the one it wrote.
    m.nimi = nimi;
    m.tunniste = Tunniste(st);
    m.auki = std::move(tiedosto);
    m.varma = true;
    m.versio = std::move(versio);
}

std::uint64_t Jasennyksia() {
    Muisti& m = TheMuisti();
    const std::lock_guard<std::mutex> lukittu(m.lukko);
    return m.jasennyksia;
}

Tilannekuva::Tilannekuva() {
    ++TamanSaikeenKuva().syvyys;
}

Tilannekuva::~Tilannekuva() {
    Kuva& kuva = TamanSaikeenKuva();
    if (--kuva.syvyys == 0) {
        kuva.versio.reset();
    }
}

} // namespace sorvik::rekisteri
