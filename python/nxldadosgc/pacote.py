"""The packed form of a record tree: reading with every check, and writing canonical bytes.

Both directions walk the same thing: a record, then for each child slot in the order of its
offset (a member key at its area) the child's block and, depth first, the blocks below it. The
writer appends blocks in that order; the reader insists on finding them exactly there.
"""

import bisect
import struct
import zlib
from itertools import repeat
from operator import attrgetter, itemgetter

from .esquema import LAYOUTS, LIMITES, VERSAO_PACOTE, Layout, Registro
from .valores import ErroValor

MAGICO = b"NXGCPACK"
_CABECALHO = struct.Struct("<8sIIQIIII")  # magic .. name length: the fixed 40 bytes
_NOME, _NOME_MAXIMO = 40, 255
_CRC, _COMPRIMENTO, _TAMANHO_REGISTRO, _BLOCOS, _TAMANHO_CABECALHO, _COMPRIMENTO_NOME = 12, 16, 24, 28, 32, 36
_U64 = struct.Struct("<Q")

# Default limits of the reader, which the writer keeps too so that it never writes what a
# reader with the defaults refuses.
PROFUNDIDADE_MAXIMA = 32  # levels of blocks below the root record
BLOCOS_MAXIMOS = 1 << 20  # blocks, the root record counted
BYTES_MAXIMOS = 1 << 30   # length of the whole buffer


class ErroEmpacotamento(ValueError):
    """A packed buffer that fails a check: str() reads "packed tree, byte <offset>
    (<class>.<field>): <reason>"; class and field are empty for a fault in the header."""

    def __init__(self, deslocamento: int, classe: str, campo: str, motivo: str):
        texto = f"packed tree, byte {deslocamento}"
        if classe:
            texto += f" ({classe}{'.' + campo if campo else ''})"
        super().__init__(f"{texto}: {motivo}")
        self.deslocamento, self.classe, self.campo, self.motivo = deslocamento, classe, campo, motivo


class ErroArvore(ValueError):
    """A tree that cannot be packed: str() names the class of the root and the path to the
    offending value ("CNXDadosGC_MatrizRateio.Conta[1].TotalRateio: ...")."""

    def __init__(self, motivo: str, caminho=()):
        super().__init__(motivo)
        self.motivo, self.caminho = motivo, list(caminho)

    def __str__(self):
        caminho = "".join(p if p.startswith("[") else "." + p for p in self.caminho)
        return f"{caminho[1:]}: {self.motivo}" if caminho else self.motivo


def _alinhar8(n: int) -> int:
    return (n + 7) & ~7


def tamanho_cabecalho(comprimento_nome: int) -> int:
    return _alinhar8(_NOME + comprimento_nome + 1)


def crc_do_pacote(dados) -> int:
    """CRC-32 (zlib's) of a whole buffer, its own four bytes counted as zero."""
    m = memoryview(dados)
    return zlib.crc32(m[_CRC + 4:], zlib.crc32(b"\0\0\0\0", zlib.crc32(m[:_CRC])))


# ---- What each layout needs, worked out once ------------------------------------------------

def _zero(_):
    return 0


class _Plano:
    """How a record of one layout is read and written: one struct over the whole record (an
    embedded record or member key skipped, to be read as a record of its own), and what each
    struct item becomes."""

    def __init__(self, layout: Layout):
        itens = self.itens = [c for c in layout.campos if c.sub is None]
        self.estrutura = struct.Struct("<" + "".join(c.codigo for c in layout.campos))
        indice = {c.deslocamento: i for i, c in enumerate(itens)}
        # Reading: the struct items that are attributes, their names, and the conversions from raw.
        lidos = [i for i, c in enumerate(itens) if c.lista is None and c.tipo != "ponteiro"]
        self.lidos = itemgetter(*lidos) if len(lidos) > 1 else lambda v, i=tuple(lidos): tuple(v[k] for k in i)
        self.nomes_lidos = [itens[i].nome for i in lidos]
        self.de_bruto = [(i, itens[i].de_bruto) for i in lidos if itens[i].de_bruto is not None]
        # Writing: the attribute behind each struct item (a count and a pointer slot come from
        # their list or holder) and the conversions to raw that the struct does not do itself.
        nomes, self.conversoes = [], []
        for i, c in enumerate(itens):
            if c.lista is not None:
                nomes.append(c.lista.nome)
                self.conversoes.append((i, len))
            elif c.tipo == "ponteiro":
                nomes.append(c.filho.nome if c.filho else "__class__")  # written as offsets, or zero
                self.conversoes.append((i, _zero))
            else:
                nomes.append(c.nome)
                if c.tipo not in LIMITES:  # the struct range-checks plain numbers
                    self.conversoes.append((i, c.para_bruto))
        if len(nomes) > 1:
            self.pegar = attrgetter(*nomes)
        else:  # attrgetter of one name gives the value, not a tuple
            self.pegar = lambda o, nomes=tuple(nomes): tuple(getattr(o, n) for n in nomes)
        self.embutidos = [(c.nome, c.sub, c.deslocamento) for c in layout.campos if c.sub is not None and not c.membro]
        self.verificacoes = _verificacoes(layout, 0, True)
        # Children in slot order, with the struct indexes of their pointer and count.
        self.filhos = [(f, indice.get(f.ponteiro), indice.get(f.quantidade)) for f in layout.filhos]
        self.nomes = {c.deslocamento: c.nome for c in layout.campos}


def _verificacoes(layout: Layout, base: int, topo: bool):
    """Texts and pointers that are no child's, in the order the reader checks them: field-table
    order, through embedded records but not into member keys (checked as records of their own)."""
    r = []
    for c in layout.campos:
        d = base + c.deslocamento
        if c.sub is not None and not (topo and c.membro):
            r += _verificacoes(c.sub, d, False)
        elif c.tipo == "texto":
            r.append((d, c.nome, c.largura, True))
        elif c.tipo == "ponteiro" and not (topo and c.filho is not None):
            r.append((d, c.nome, c.largura, False))
    return r


def _planejar(layout: Layout):
    layout.plano = _Plano(layout)
    for c in layout.campos:
        if c.sub is not None and c.sub.nome is None:
            _planejar(c.sub)


for _layout in LAYOUTS.values():
    _planejar(_layout)


# ---- Reader ---------------------------------------------------------------------------------

def _printavel(nome: bytes) -> str:
    return "".join(chr(b) if 0x20 <= b < 0x7F else f"\\x{b:02x}" for b in nome)


class _Leitor:
    def __init__(self, m: bytes, profundidade_maxima, blocos_maximos, conferir_crc):
        self.m, self.n = m, len(m)
        self.profundidade_maxima, self.blocos_maximos, self.conferir_crc = (
            profundidade_maxima, blocos_maximos, conferir_crc)
        self.cursor = 0
        self.inicios = []  # block offsets, ascending by construction
        self.declarados = 0

    @staticmethod
    def falha(desloc, motivo, classe="", campo=""):
        raise ErroEmpacotamento(desloc, classe or "", campo, motivo)

    def zeros(self, de, ate, onde, classe="", campo=""):
        trecho = self.m[de:ate]
        if trecho.count(0) != len(trecho):
            i = de + next(k for k, b in enumerate(trecho) if b)
            self.falha(i, f"non-zero padding byte {onde}", classe, campo)

    def cabecalho(self) -> Layout:
        m, n = self.m, self.n
        if n < _NOME:
            self.falha(0, f"truncated: {n} bytes, a header needs at least {_NOME}")
        magico, versao, crc, comprimento, tamanho, blocos, cabecalho, nome = _CABECALHO.unpack_from(m)
        if magico != MAGICO:
            self.falha(0, "not a packed record tree (wrong magic number)")
        if versao != VERSAO_PACOTE:
            self.falha(8, f"format version {versao} is not supported (this library reads version {VERSAO_PACOTE})")
        if comprimento != n:
            self.falha(_COMPRIMENTO, f"the header gives a length of {comprimento} bytes, the buffer has {n}")
        if self.conferir_crc:
            calculado = crc_do_pacote(m)
            if crc != calculado:
                self.falha(_CRC, f"CRC-32 mismatch: the header says {crc:08x}, the bytes give {calculado:08x}")
        if nome == 0 or nome > _NOME_MAXIMO:
            self.falha(_COMPRIMENTO_NOME, f"class name length {nome} is outside 1..{_NOME_MAXIMO}")
        esperado = tamanho_cabecalho(nome)
        if cabecalho != esperado:
            self.falha(_TAMANHO_CABECALHO, f"header length {cabecalho} does not match a {nome}-byte class name "
                                           f"(expected {esperado})")
        if cabecalho > n:
            self.falha(_TAMANHO_CABECALHO, f"the header runs past the end of the {n}-byte buffer")
        self.zeros(_NOME + nome, cabecalho, "after the class name")
        nome_classe = m[_NOME:_NOME + nome]
        layout = LAYOUTS.get(nome_classe.decode("latin-1"))
        if layout is None:
            self.falha(_NOME, f'unknown class "{_printavel(nome_classe)}"')
        if tamanho != layout.tamanho:
            self.falha(_TAMANHO_REGISTRO, f"record size {tamanho} in the header, but {layout.nome} records are "
                                          f"{layout.tamanho} bytes", layout.nome)
        if blocos > self.blocos_maximos:
            self.falha(_BLOCOS, f"the header announces {blocos} blocks, more than the limit of {self.blocos_maximos}")
        self.declarados = blocos
        self.cursor = cabecalho
        return layout

    def arvore(self, layout: Layout) -> Registro:
        raiz = self.bloco(self.cursor, 1, layout.tamanho, _TAMANHO_REGISTRO, layout.nome, "")
        objeto = self.registro(layout, raiz, 0)
        if self.cursor != self.n:
            self.falha(self.cursor, f"{self.n - self.cursor} bytes after the last block belong to no block")
        if len(self.inicios) != self.declarados:
            self.falha(_BLOCOS, f"the header announces {self.declarados} blocks, the tree has {len(self.inicios)}")
        return objeto

    def bloco(self, desloc, n, tamanho, slot, dono, campo) -> int:
        """A block of n records of `tamanho` bytes at desloc, which must be exactly where the
        previous block ended; slot is where its offset was read, dono and campo who points to it."""
        if len(self.inicios) >= self.blocos_maximos:
            self.falha(slot, f"more than {self.blocos_maximos} blocks", dono, campo)
        if desloc % 8:
            self.falha(slot, f"block offset {desloc} is not a multiple of 8", dono, campo)
        cursor, total = self.cursor, self.n
        if desloc < cursor:
            i = bisect.bisect_left(self.inicios, desloc)
            if i < len(self.inicios) and self.inicios[i] == desloc:
                self.falha(slot, f"the block at offset {desloc} is referenced a second time", dono, campo)
            self.falha(slot, f"block at offset {desloc} overlaps bytes already in use (up to {cursor})", dono, campo)
        if desloc > total:
            self.falha(slot, f"block offset {desloc} lies outside the {total}-byte buffer", dono, campo)
        if desloc > cursor:
            self.falha(slot, f"block at offset {desloc} leaves bytes {cursor}..{desloc - 1} unused (each block must "
                             "start where the one before ends)", dono, campo)
        if n > (total - desloc) // tamanho:
            self.falha(slot, f"block of {n} x {tamanho} bytes at offset {desloc} runs past the end of the "
                             f"{total}-byte buffer", dono, campo)
        fim = desloc + n * tamanho
        alinhado = _alinhar8(fim)
        if alinhado > total:
            self.falha(fim, "the buffer ends inside the padding after a block", dono, campo)
        if alinhado != fim:
            self.zeros(fim, alinhado, "after a block", dono, campo)
        self.inicios.append(desloc)
        self.cursor = alinhado
        return desloc

    def registro(self, layout: Layout, pos: int, profundidade: int) -> Registro:
        """The record at pos, inside a checked block: its fields, then its children in slot order."""
        m, plano = self.m, layout.plano
        for d, campo, largura, texto in plano.verificacoes:
            if texto:
                if m[pos + d + largura - 1]:
                    self.falha(pos + d + largura - 1, "text without its terminating zero", layout.nome, campo)
            elif m[pos + d:pos + d + largura].count(0) != largura:
                self.falha(pos + d, "non-zero bytes in a pointer field that is not a child pointer", layout.nome, campo)
        objeto, valores = self.campos(layout, pos)
        for f, i_ponteiro, i_quantidade in plano.filhos:
            if f.tipo == "chave":
                setattr(objeto, f.nome, self.registro(f.elemento, pos + f.ponteiro, profundidade))
                continue
            desloc = valores[i_ponteiro]
            campo = plano.nomes[f.ponteiro]
            if f.tipo == "lista":
                n = valores[i_quantidade]
                if desloc == 0 and n:
                    self.falha(pos + f.quantidade, f"count {n} with a null pointer", layout.nome,
                               plano.nomes[f.quantidade])
                if desloc and n == 0:
                    self.falha(pos + f.ponteiro, f"pointer to offset {desloc} with a count of 0", layout.nome, campo)
            else:
                n = 1
            if desloc == 0:
                setattr(objeto, f.nome, [] if f.tipo == "lista" else None)
                continue
            if profundidade + 1 > self.profundidade_maxima:
                self.falha(pos + f.ponteiro, f"blocks nested deeper than {self.profundidade_maxima} levels",
                           layout.nome, campo)
            self.bloco(desloc, n, f.tamanho, pos + f.ponteiro, layout.nome, campo)
            if f.elemento is None:
                filhos = list(struct.unpack_from(f"<{n}I", m, desloc))
            else:
                el, t = f.elemento, f.tamanho
                filhos = [self.registro(el, desloc + k * t, profundidade + 1) for k in range(n)]
            setattr(objeto, f.nome, filhos if f.tipo == "lista" else filhos[0])
        return objeto

    def campos(self, layout: Layout, pos: int):
        """A new object with the fields of the record at pos (embedded records included, children
        not yet), and the raw values of its struct."""
        plano = layout.plano
        valores = list(plano.estrutura.unpack_from(self.m, pos))
        for i, de_bruto in plano.de_bruto:
            valores[i] = de_bruto(valores[i])
        objeto = layout.classe.__new__(layout.classe)
        any(map(setattr, repeat(objeto), plano.nomes_lidos, plano.lidos(valores)))  # setattr gives None: all run
        for nome, sub, d in plano.embutidos:
            setattr(objeto, nome, self.campos(sub, pos + d)[0])
        return objeto, valores


def ler(dados, *, profundidade_maxima: int = PROFUNDIDADE_MAXIMA, blocos_maximos: int = BLOCOS_MAXIMOS,
        bytes_maximos: int = BYTES_MAXIMOS, conferir_crc: bool = True) -> Registro:
    """The record tree of a packed buffer, checked as untrusted input: every fault raises
    ErroEmpacotamento naming its byte offset, class and field. conferir_crc=False skips only
    the CRC-32 comparison."""
    m = bytes(dados)
    if len(m) > bytes_maximos:
        raise ErroEmpacotamento(0, "", "", f"the buffer has {len(m)} bytes, more than the limit of {bytes_maximos}")
    leitor = _Leitor(m, profundidade_maxima, blocos_maximos, conferir_crc)
    return leitor.arvore(leitor.cabecalho())


# ---- Writer ---------------------------------------------------------------------------------

class _Escritor:
    def __init__(self):
        self.saida = bytearray()
        self.blocos = 0
        self.profundidade = 0  # the deepest level of blocks below the root

    def anexar(self, tamanho: int) -> int:
        """Room for a block at the end, zero-filled to a multiple of 8; its offset."""
        desloc = len(self.saida)
        self.blocos += 1
        self.saida += bytes(_alinhar8(tamanho))
        return desloc

    def registro(self, layout: Layout, objeto, pos: int, profundidade: int):
        """Writes the record at pos (its room already there), then appends its children's blocks
        in slot order, depth first, with their offsets in its pointer slots."""
        self.campos(layout, objeto, pos)
        for f, _, _ in layout.plano.filhos:
            filho = getattr(objeto, f.nome)
            if f.tipo == "chave":
                try:
                    self.registro(f.elemento, filho, pos + f.ponteiro, profundidade)
                except ErroArvore as e:
                    e.caminho.insert(0, f.nome)
                    raise
                continue
            if f.tipo == "lista":
                if type(filho) is not list:
                    raise ErroArvore(f"expected a list, got {type(filho).__name__}", [f.nome])
                if not filho:
                    continue
                elementos = filho
            elif filho is None:
                continue
            else:
                elementos = (filho,)
            if profundidade >= self.profundidade:
                self.profundidade = profundidade + 1
            if len(elementos) > 0xFFFFFFFF:
                raise ErroArvore(f"a list of {len(elementos)} elements, more than a 32-bit count holds", [f.nome])
            desloc = self.anexar(len(elementos) * f.tamanho)
            _U64.pack_into(self.saida, pos + f.ponteiro, desloc)
            if f.elemento is None:
                for k, x in enumerate(elementos):
                    if type(x) is not int or not 0 <= x <= 0xFFFFFFFF:
                        raise ErroArvore(f"{x!r} is not a u32", [f.nome, f"[{k}]"])
                struct.pack_into(f"<{len(elementos)}I", self.saida, desloc, *elementos)
                continue
            t, k = f.tamanho, 0
            try:
                for k, x in enumerate(elementos):
                    self.registro(f.elemento, x, desloc + k * t, profundidade + 1)
            except ErroArvore as e:
                e.caminho[:0] = [f.nome, f"[{k}]"] if f.tipo == "lista" else [f.nome]
                raise

    def campos(self, layout: Layout, objeto, pos: int):
        """The record's own bytes: fields, counts, embedded records; pointer slots zero."""
        if type(objeto) is not layout.classe:
            raise ErroArvore(f"expected a {layout.classe.__name__}, got {type(objeto).__name__}")
        plano = layout.plano
        valores = list(plano.pegar(objeto))
        i = None
        try:
            for i, converter in plano.conversoes:
                valores[i] = converter(valores[i])
            plano.estrutura.pack_into(self.saida, pos, *valores)
        except (ErroValor, TypeError, struct.error) as e:
            raise _erro_de_campo(plano, objeto, i, e) from None
        for nome, sub, d in plano.embutidos:
            try:
                self.campos(sub, getattr(objeto, nome), pos + d)
            except ErroArvore as e:
                e.caminho.insert(0, nome)
                raise


def _erro_de_campo(plano: _Plano, objeto, i, erro) -> ErroArvore:
    """The error that names the field a conversion or the struct refused."""
    if isinstance(erro, struct.error):  # a plain number out of range, or not a number: find which
        for c in plano.itens:
            if c.tipo in LIMITES and c.lista is None:
                try:
                    c.para_bruto(getattr(objeto, c.nome))
                except ErroValor as e:
                    return ErroArvore(str(e), [c.nome])
        return ErroArvore(str(erro))
    c = plano.itens[i]
    if c.lista is not None:  # len() of something that is no list
        return ErroArvore(f"expected a list, got {type(getattr(objeto, c.lista.nome)).__name__}", [c.lista.nome])
    return ErroArvore(str(erro), [c.nome])


def escrever(arvore: Registro, *, profundidade_maxima: int = PROFUNDIDADE_MAXIMA,
             blocos_maximos: int = BLOCOS_MAXIMOS, bytes_maximos: int = BYTES_MAXIMOS) -> bytes:
    """The packed form of a record tree: deterministic, so equal trees give identical bytes.
    Raises ErroArvore for a value that its field cannot hold, and for a tree that a reader with
    these limits would refuse."""
    layout = getattr(type(arvore), "layout", None)
    if layout is None or layout.nome is None or LAYOUTS.get(layout.nome) is not layout:
        raise TypeError(f"not a record of a data class: {type(arvore).__name__}")
    nome = layout.nome.encode("ascii")
    cabecalho = tamanho_cabecalho(len(nome))
    e = _Escritor()
    e.saida += bytes(cabecalho)
    e.saida[_NOME:_NOME + len(nome)] = nome
    raiz = e.anexar(layout.tamanho)
    try:
        e.registro(layout, arvore, raiz, 0)
    except ErroArvore as erro:
        erro.caminho.insert(0, layout.nome)
        raise
    for valor, limite, medida, opcao in (
            (e.blocos, blocos_maximos, f"the tree has {e.blocos} blocks", "blocos_maximos"),
            (e.profundidade, profundidade_maxima, f"blocks nested {e.profundidade} levels below the root",
             "profundidade_maxima"),
            (len(e.saida), bytes_maximos, f"the packed tree would take {len(e.saida)} bytes", "bytes_maximos")):
        if valor > limite:
            raise ErroArvore(f"cannot pack: {medida}, more than the limit of {limite} ({opcao})")
    _CABECALHO.pack_into(e.saida, 0, MAGICO, VERSAO_PACOTE, 0, len(e.saida), layout.tamanho, e.blocos, cabecalho,
                         len(nome))
    struct.pack_into("<I", e.saida, _CRC, crc_do_pacote(e.saida))
    return bytes(e.saida)
