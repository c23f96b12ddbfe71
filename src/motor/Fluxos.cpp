// Packed trees in files and streams.
#include "NXLDadosGC/motor/Fluxos.h"

#include <fcntl.h>     // open
#include <sys/stat.h>  // stat, fchmod
#include <unistd.h>    // read, write, fsync, close, unlink, getpid

#include <algorithm>     // std::min, std::max
#include <atomic>        // std::atomic
#include <cerrno>        // errno
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

}  // namespace

// ---- Files ----------------------------------------------------------------------------------

void GravarArquivo(const std::filesystem::path& arquivo, std::span<const std::byte> bytes) {
    static std::atomic<unsigned> contador{0};
    const std::string nome = arquivo.string();
    struct stat atual {};
    const bool substitui = ::stat(nome.c_str(), &atual) == 0 && S_ISREG(atual.st_mode);
    // A new name beside the target, in the same directory (a rename does not cross file systems).
    std::string temporario;
    int fd = -1;
    for (int tentativa = 0; fd < 0; ++tentativa) {
        const std::filesystem::path tmp =
            arquivo.parent_path() / ("." + arquivo.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                                     std::to_string(contador.fetch_add(1)));
        temporario = tmp.string();
        fd = ::open(temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || tentativa == 100)) FalhaSistema(errno, "cannot write " + nome);
    }
    const bool escrito = (!substitui || ::fchmod(fd, atual.st_mode & 07777) == 0) &&
                         EscreverTudo(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const int erro = errno;
    if (::close(fd) != 0 || !escrito || ::rename(temporario.c_str(), nome.c_str()) != 0) {
        const int e = escrito ? errno : erro;
        ::unlink(temporario.c_str());
        FalhaSistema(e, "cannot write " + nome);
    }
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
    try {
        if (inicio < kInicioPacote) cortado(inicio);
        const std::uint64_t comprimento =
            ComprimentoDoPacote(std::span<const std::byte, kInicioPacote>(m_Pacote.data(), kInicioPacote), m_Opcoes);
        // The room grows with what arrives, so a stream cut short of a long promise holds little.
        std::size_t lidos = kInicioPacote;
        while (lidos < comprimento) {
            const std::size_t passo = std::min<std::uint64_t>(comprimento - lidos, std::max<std::size_t>(lidos, 1 << 16));
            if (m_Pacote.size() < lidos + passo) m_Pacote.resize(lidos + passo);
            const std::size_t k = Ler(m_Pacote.data() + lidos, passo);
            lidos += k;
            if (k < passo) cortado(lidos);
        }
        m_Tamanho = lidos;
    } catch (const ErroEmpacotamento& e) {
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
