// Packed trees in files and streams.
#include "NXLDadosGC/motor/Fluxos.h"

#include <fcntl.h>     // open
#include <sys/stat.h>  // stat, fchmod
#include <unistd.h>    // read, write, fsync, close, unlink, getpid

#include <algorithm>     // std::min, std::max
#include <atomic>        // std::atomic
#include <cerrno>        // errno
#include <streambuf>     // std::streambuf
#include <utility>       // std::exchange
#include <istream>       // std::istream
#include <ostream>       // std::ostream
#include <system_error>  // std::system_error

namespace NXDadosGC {
namespace {

[[noreturn]] void FalhaSistema(int erro, const std::string& o_que) {
    throw std::system_error(erro, std::generic_category(), o_que);
}

// Writes all n bytes at p to descritor; false (errno set) when it cannot.
bool EscreverTudo(int descritor, const std::byte* p, std::size_t n) {
    while (n > 0) {
        const ssize_t k = ::write(descritor, p, n);
        if (k < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

// Closes a descriptor when it goes.
struct Descritor {
    int fd;
    ~Descritor() {
        if (fd >= 0) ::close(fd);
    }
};

// An output stream buffer over a descriptor that keeps the error of its first failed write.
class BufferDescritor : public std::streambuf {
public:
    explicit BufferDescritor(int fd) : m_Fd(fd) { setp(m_Bytes, m_Bytes + sizeof m_Bytes); }
    int Erro() const { return m_Erro; }

protected:
    int_type overflow(int_type c) override {
        if (!Esvaziar()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Esvaziar() ? 0 : -1; }

private:
    bool Esvaziar() {
        if (m_Erro) return false;
        if (!EscreverTudo(m_Fd, reinterpret_cast<const std::byte*>(pbase()), static_cast<std::size_t>(pptr() - pbase()))) {
            m_Erro = errno;
            return false;
        }
        setp(m_Bytes, m_Bytes + sizeof m_Bytes);
        return true;
    }

    int m_Fd;
    int m_Erro = 0;
    char m_Bytes[1 << 16];
};

}  // namespace

// ---- Files ----------------------------------------------------------------------------------

struct ArquivoAtomico::Estado {
    std::string destino, temporario;  // no temporary: written in place (a device, a pipe)
    Descritor fd{-1};
    std::unique_ptr<BufferDescritor> buffer;
    std::ostream fluxo{nullptr};
    bool concluido = false;

    [[noreturn]] void Falhar(int erro) {
        if (!temporario.empty()) ::unlink(temporario.c_str());
        temporario.clear();
        FalhaSistema(erro, "cannot write " + destino);
    }
};

ArquivoAtomico::ArquivoAtomico(const std::filesystem::path& arquivo) : m_Estado(std::make_unique<Estado>()) {
    static std::atomic<unsigned> contador{0};
    Estado& e = *m_Estado;
    e.destino = arquivo.string();
    struct stat atual {};
    const bool existe = ::stat(e.destino.c_str(), &atual) == 0, substitui = existe && S_ISREG(atual.st_mode);
    if (existe && !substitui) {
        // A device, a pipe or a terminal is written where it is: renaming over it would replace it.
        e.fd.fd = ::open(e.destino.c_str(), O_WRONLY | O_CLOEXEC);
        if (e.fd.fd < 0) e.Falhar(errno);
    }
    // Otherwise a new name beside the target, in the same directory (a rename does not cross
    // file systems).
    for (int tentativa = 0; e.fd.fd < 0; ++tentativa) {
        e.temporario = (arquivo.parent_path() / ("." + arquivo.filename().string() + ".tmp-" +
                                                 std::to_string(::getpid()) + "-" + std::to_string(contador.fetch_add(1))))
                           .string();
        e.fd.fd = ::open(e.temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (e.fd.fd < 0 && (errno != EEXIST || tentativa == 100)) {
            const int erro = errno;
            e.temporario.clear();
            e.Falhar(erro);
        }
    }
    if (substitui && ::fchmod(e.fd.fd, atual.st_mode & 07777) != 0) e.Falhar(errno);
    e.buffer = std::make_unique<BufferDescritor>(e.fd.fd);
    e.fluxo.rdbuf(e.buffer.get());
}

ArquivoAtomico::~ArquivoAtomico() {
    if (!m_Estado->concluido && !m_Estado->temporario.empty()) ::unlink(m_Estado->temporario.c_str());
}

std::ostream& ArquivoAtomico::Fluxo() { return m_Estado->fluxo; }

bool ArquivoAtomico::GravarEm(std::uint64_t desloc, std::span<const std::byte> bytes) {
    Estado& e = *m_Estado;
    if (e.temporario.empty()) return false;
    for (const std::byte* p = bytes.data(); !bytes.empty();) {
        const ssize_t k = ::pwrite(e.fd.fd, p, bytes.size(), static_cast<off_t>(desloc));
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) e.Falhar(k < 0 ? errno : EIO);
        p += k;
        desloc += static_cast<std::uint64_t>(k);
        bytes = bytes.subspan(static_cast<std::size_t>(k));
    }
    return true;
}

void ArquivoAtomico::Concluir() {
    Estado& e = *m_Estado;
    e.fluxo.flush();
    if (!e.fluxo) e.Falhar(e.buffer->Erro() ? e.buffer->Erro() : EIO);
    if (!e.temporario.empty() && ::fsync(e.fd.fd) != 0) e.Falhar(errno);
    const int fd = std::exchange(e.fd.fd, -1);
    if (::close(fd) != 0) e.Falhar(errno);
    if (!e.temporario.empty() && ::rename(e.temporario.c_str(), e.destino.c_str()) != 0) e.Falhar(errno);
    e.concluido = true;
}

void GravarArquivo(const std::filesystem::path& arquivo, std::span<const std::byte> bytes) {
    ArquivoAtomico a(arquivo);
    a.Fluxo().write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    a.Concluir();
}

void EmpacotarArquivo(const TNXBaseParaDados& objeto, const std::filesystem::path& arquivo,
                      const OpcoesDesempacotamento& limites) {
    GravarArquivo(arquivo, Empacotar(objeto, limites));
}

std::unique_ptr<TNXBaseParaDados> detail::DesempacotarArquivoClasse(const std::filesystem::path& arquivo,
                                                                   const OpcoesDesempacotamento& opcoes,
                                                                   CRuntimeClass* esperada) {
    LeitorPacotes leitor(arquivo, opcoes);
    if (!leitor.Proximo()) throw ErroEmpacotamento(arquivo.string(), 0, "", "", "the file is empty");
    std::unique_ptr<TNXBaseParaDados> objeto;
    try {
        objeto = esperada ? DesempacotarClasse(leitor.Pacote(), opcoes, esperada)
                          : NXDadosGC::Desempacotar(leitor.Pacote(), opcoes);
    } catch (const ErroEmpacotamento& e) {
        throw e.Em(arquivo.string(), 0);
    }
    if (leitor.Proximo())
        throw ErroEmpacotamento(arquivo.string(), leitor.Inicio(), "", "",
                                "a second packed tree follows the first (read the file with LeitorPacotes)");
    return objeto;
}

std::unique_ptr<TNXBaseParaDados> DesempacotarArquivo(const std::filesystem::path& arquivo,
                                                      const OpcoesDesempacotamento& opcoes) {
    return detail::DesempacotarArquivoClasse(arquivo, opcoes, nullptr);
}

// ---- Streams --------------------------------------------------------------------------------

void EscreverPacote(std::ostream& saida, const TNXBaseParaDados& objeto, const OpcoesDesempacotamento& limites) {
    const std::vector<std::byte> bytes = Empacotar(objeto, limites);
    saida.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void EscreverPacote(int descritor, const TNXBaseParaDados& objeto, const OpcoesDesempacotamento& limites) {
    const std::vector<std::byte> bytes = Empacotar(objeto, limites);
    if (!EscreverTudo(descritor, bytes.data(), bytes.size()))
        FalhaSistema(errno, "cannot write to descriptor " + std::to_string(descritor));
}

// Where the bytes come from: a stream, or a descriptor (owned or not).
class LeitorPacotes::Fonte {
public:
    Fonte(std::istream* entrada, int descritor, bool dono) : m_Entrada(entrada), m_Descritor{dono ? descritor : -1},
                                                            m_Fd(descritor) {}
    // Up to n bytes; 0 at the end. `origem` names the stream for a read error.
    std::size_t Ler(std::byte* p, std::size_t n, const std::string& origem) {
        if (m_Entrada) {
            m_Entrada->read(reinterpret_cast<char*>(p), static_cast<std::streamsize>(n));
            if (m_Entrada->bad()) FalhaSistema(EIO, "cannot read " + origem);
            return static_cast<std::size_t>(m_Entrada->gcount());
        }
        for (;;) {
            const ssize_t k = ::read(m_Fd, p, n);
            if (k >= 0) return static_cast<std::size_t>(k);
            if (errno != EINTR) FalhaSistema(errno, "cannot read " + origem);
        }
    }

private:
    std::istream* m_Entrada;
    Descritor m_Descritor;  // closes an owned descriptor
    int m_Fd;
};

LeitorPacotes::LeitorPacotes(std::istream& entrada, std::string origem, const OpcoesDesempacotamento& opcoes)
    : m_Fonte(std::make_unique<Fonte>(&entrada, -1, false)), m_Origem(std::move(origem)), m_Opcoes(opcoes) {}

LeitorPacotes::LeitorPacotes(int descritor, std::string origem, const OpcoesDesempacotamento& opcoes)
    : m_Fonte(std::make_unique<Fonte>(nullptr, descritor, false)), m_Origem(std::move(origem)), m_Opcoes(opcoes) {}

LeitorPacotes::LeitorPacotes(const std::filesystem::path& arquivo, const OpcoesDesempacotamento& opcoes)
    : m_Origem(arquivo.string()), m_Opcoes(opcoes) {
    const int fd = ::open(m_Origem.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) FalhaSistema(errno, "cannot read " + m_Origem);
    m_Fonte = std::make_unique<Fonte>(nullptr, fd, true);
}

LeitorPacotes::~LeitorPacotes() = default;

std::size_t LeitorPacotes::Ler(std::byte* p, std::size_t n) {
    std::size_t lidos = 0;
    while (lidos < n) {
        const std::size_t k = m_Fonte->Ler(p + lidos, n - lidos, m_Origem);
        if (k == 0) break;
        lidos += k;
    }
    m_Posicao += lidos;
    return lidos;
}

void LeitorPacotes::Relancar(const ErroEmpacotamento& e) const { throw e.Em(m_Origem, m_Inicio); }

bool LeitorPacotes::Proximo() {
    m_Inicio = m_Posicao;
    m_Tamanho = 0;
    if (m_Pacote.size() < kInicioPacote) m_Pacote.resize(kInicioPacote);
    const std::size_t inicio = Ler(m_Pacote.data(), kInicioPacote);
    if (inicio == 0) return false;
    // A tree cut short: the buffer reader names what is missing, as it would for a buffer.
    auto cortado = [&](std::size_t n) {
        NXDadosGC::Verificar(std::span(m_Pacote.data(), n), m_Opcoes);
        throw ErroEmpacotamento(0, "", "", "truncated");  // not reached: the reader refuses it
    };
    std::size_t lidos = inicio;
    try {
        if (inicio < kInicioPacote) cortado(inicio);
        const std::uint64_t comprimento =
            ComprimentoDoPacote(std::span<const std::byte, kInicioPacote>(m_Pacote.data(), kInicioPacote), m_Opcoes);
        // The room grows with what arrives, so a stream cut short of a long promise holds little.
        while (lidos < comprimento) {
            const std::size_t passo = std::min<std::uint64_t>(comprimento - lidos, std::max<std::size_t>(lidos, 1 << 16));
            if (m_Pacote.size() < lidos + passo) m_Pacote.resize(lidos + passo);
            const std::size_t k = Ler(m_Pacote.data() + lidos, passo);
            lidos += k;
            if (k < passo) cortado(lidos);
        }
        m_Tamanho = lidos;
    } catch (const ErroEmpacotamento& e) {
        m_Tamanho = lidos;  // what was read of the tree refused
        Relancar(e);
    }
    ++m_Lidos;
    return true;
}

ArvoreVerificada LeitorPacotes::Verificar() const {
    try {
        return NXDadosGC::Verificar(Pacote(), m_Opcoes);
    } catch (const ErroEmpacotamento& e) {
        Relancar(e);
    }
}

std::unique_ptr<TNXBaseParaDados> LeitorPacotes::DesempacotarClasse(CRuntimeClass* esperada) const {
    try {
        return esperada ? detail::DesempacotarClasse(Pacote(), m_Opcoes, esperada)
                        : NXDadosGC::Desempacotar(Pacote(), m_Opcoes);
    } catch (const ErroEmpacotamento& e) {
        Relancar(e);
    }
}

}  // namespace NXDadosGC
