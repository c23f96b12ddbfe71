"""The packed form of a record tree: reading with every check, and writing canonical bytes.

Both directions walk the same thing: a record, then for each child slot in the order of its
offset (a member key at its area) the child's block and, depth first, the blocks below it. The
writer appends blocks in that order; the reader insists on finding them exactly there.
"""

import bisect
import io
import operator
import struct
import zlib

from . import textos
from .esquema import LAYOUTS, VERSAO_PACOTE, Layout, Pacote, Registro, _vista
from .lista import Lista
from .textos import Pagina
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


def _todas_as_verificacoes(layout: Layout, base: int = 0):
    """Every text and stray pointer of a record, its member keys' included, in no particular order."""
    r = list(_verificacoes(layout, base, True))
    for f in layout.filhos:
        if f.tipo == "chave":
            r += _todas_as_verificacoes(f.elemento, base + f.ponteiro)
    return r


def _planejar(layout: Layout):
    layout.verificacoes = _verificacoes(layout, 0, True)
    layout.todas_verificacoes = _todas_as_verificacoes(layout)
    layout.nomes = {c.deslocamento: c.nome for c in layout.campos}
    layout.textos_todos = [(d, c) for d, c in _textos(layout, 0)]


def _textos(layout: Layout, base: int):
    for c in layout.campos:
        if c.sub is not None:
            yield from _textos(c.sub, base + c.deslocamento)
        elif c.tipo == "texto":
            yield base + c.deslocamento, c


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

    def arvore(self, layout: Layout):
        raiz = self.bloco(self.cursor, 1, layout.tamanho, _TAMANHO_REGISTRO, layout.nome, "")
        self.registros(layout, raiz, 1, 0)
        if self.cursor != self.n:
            self.falha(self.cursor, f"{self.n - self.cursor} bytes after the last block belong to no block")
        if len(self.inicios) != self.declarados:
            self.falha(_BLOCOS, f"the header announces {self.declarados} blocks, the tree has {len(self.inicios)}")
        return raiz

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

    def registros(self, layout: Layout, desloc: int, n: int, profundidade: int):
        """The n records of a checked block at desloc: each one's fields, then its children in
        slot order. A block of records without children is checked a column at a time, and only
        when a column is at fault record by record, to name the first fault."""
        t = layout.tamanho
        if not layout.slots:
            m, fim = self.m, desloc + n * t
            for d, _, largura, texto in layout.todas_verificacoes:
                if texto:
                    coluna = m[desloc + d + largura - 1:fim:t]
                    if coluna.count(0) != n:
                        break
                elif any(m[desloc + d + i:fim:t].count(0) != n for i in range(largura)):
                    break
            else:
                return
        for k in range(n):
            self.registro(layout, desloc + k * t, profundidade)

    def registro(self, layout: Layout, pos: int, profundidade: int):
        """The record at pos, inside a checked block: its fields, then its children in slot order."""
        m = self.m
        for d, campo, largura, texto in layout.verificacoes:
            if texto:
                if m[pos + d + largura - 1]:
                    self.falha(pos + d + largura - 1, "text without its terminating zero", layout.nome, campo)
            elif m[pos + d:pos + d + largura].count(0) != largura:
                self.falha(pos + d, "non-zero bytes in a pointer field that is not a child pointer", layout.nome, campo)
        for f in layout.filhos:
            if f.tipo == "chave":
                self.registro(f.elemento, pos + f.ponteiro, profundidade)
                continue
            desloc = _U64.unpack_from(m, pos + f.ponteiro)[0]
            campo = layout.nomes[f.ponteiro]
            if f.tipo == "lista":
                n = _U32.unpack_from(m, pos + f.quantidade)[0]
                if desloc == 0 and n:
                    self.falha(pos + f.quantidade, f"count {n} with a null pointer", layout.nome,
                               layout.nomes[f.quantidade])
                if desloc and n == 0:
                    self.falha(pos + f.ponteiro, f"pointer to offset {desloc} with a count of 0", layout.nome, campo)
            else:
                n = 1
            if desloc == 0:
                continue
            if profundidade + 1 > self.profundidade_maxima:
                self.falha(pos + f.ponteiro, f"blocks nested deeper than {self.profundidade_maxima} levels",
                           layout.nome, campo)
            self.bloco(desloc, n, f.tamanho, pos + f.ponteiro, layout.nome, campo)
            if f.elemento is not None:
                self.registros(f.elemento, desloc, n, profundidade + 1)


_U32 = struct.Struct("<I")
_BYTES_VETORIAIS = 1 << 16  # below this numpy's fixed costs exceed what it saves


def verificar(dados, *, profundidade_maxima: int = PROFUNDIDADE_MAXIMA, blocos_maximos: int = BLOCOS_MAXIMOS,
              bytes_maximos: int = BYTES_MAXIMOS, conferir_crc: bool = True, vetorial: bool = None):
    """Checks a packed buffer as untrusted input, as `ler` does; returns the layout of its root
    and the offset of the root record."""
    n = len(dados)
    if n > bytes_maximos:
        raise ErroEmpacotamento(0, "", "", f"the buffer has {n} bytes, more than the limit of {bytes_maximos}")
    leitor = _Leitor(dados, profundidade_maxima, blocos_maximos, conferir_crc)
    layout = leitor.cabecalho()
    if vetorial or (vetorial is None and n >= _BYTES_VETORIAIS):
        from . import vetorial as vt
        if vetorial and vt.np is None:
            raise ImportError("vetorial=True needs numpy")
        raiz = leitor.cursor
        if vt.np is not None and vt.verificar(leitor, layout):
            return layout, raiz
    return layout, leitor.arvore(layout)


def ler(dados, *, pagina: int = textos.PADRAO, profundidade_maxima: int = PROFUNDIDADE_MAXIMA,
        blocos_maximos: int = BLOCOS_MAXIMOS, bytes_maximos: int = BYTES_MAXIMOS, conferir_crc: bool = True,
        vetorial: bool = None) -> Registro:
    """The record tree of a packed buffer, checked as untrusted input: every fault raises
    ErroEmpacotamento naming its byte offset, class and field. The tree is a view of the buffer
    (the bytes given, or an immutable copy of them), read as it is touched; `pagina` is the code
    page of its texts. conferir_crc=False skips only the CRC-32 comparison. With numpy the
    checks run a column at a time (vetorial=False turns that off, True asks for it always)."""
    m = dados if type(dados) is bytes else bytes(dados)
    layout, raiz = verificar(m, profundidade_maxima=profundidade_maxima, blocos_maximos=blocos_maximos,
                             bytes_maximos=bytes_maximos, conferir_crc=conferir_crc, vetorial=vetorial)
    return _vista(layout, Pacote(m, textos.pagina(pagina)), raiz)


def ler_proprio(dados, **opcoes) -> Registro:
    """ler() of a buffer (bytes or a bytearray) that nobody else holds: it becomes the tree's
    buffer without a copy."""
    pagina = textos.pagina(opcoes.pop("pagina", textos.PADRAO))
    layout, raiz = verificar(dados, **opcoes)
    return _vista(layout, Pacote(dados, pagina), raiz)


# ---- Writer ---------------------------------------------------------------------------------

class _Escritor:
    """The output as a list of pieces (blocks, and the zeros that pad each to a multiple of 8)
    gathered once at the end. A block that goes out as it lies is a view of its buffer (or the
    buffers of its record objects, one after another); a block of records with children is a
    bytearray of its own, where their counts and pointers are written as their children are
    appended. So each output byte is copied once, into the one buffer that becomes the result."""

    def __init__(self, p: Pagina):
        self.partes = []
        self.fim = 0
        self.blocos = 0
        self.profundidade = 0  # the deepest level of blocks below the root
        self.pagina = p

    def anexar(self, bloco, n: int = None) -> int:
        """Appends a block (bytes, bytearray or memoryview, or a list of them whose lengths add
        up to n) and its padding; its offset."""
        desloc = self.fim
        if n is None:
            n = len(bloco)
            self.partes.append(bloco)
        else:
            self.partes += bloco
        if n & 7:
            self.partes.append(_ZEROS[8 - (n & 7)])
        self.fim = desloc + ((n + 7) & ~7)
        self.blocos += 1
        return desloc

    def trecho(self, layout: Layout, a, origem: int, n: int, mutavel: bool, lista: bool):
        """n records of a's buffer from origem, as a piece: a bytearray when they must change
        (mutavel, or texts to rewrite in the output's code page), else the bytes as they lie."""
        m, t = a.m, n * layout.tamanho
        if a.pagina is not self.pagina and layout.textos_todos:
            b = bytearray(_fatia(m, origem, t))
            for k in range(n):
                self.transcodificar(layout, a.pagina, b, k, k if lista else None)
            return b
        if mutavel:
            return bytearray(_fatia(m, origem, t))
        return m if origem == 0 and t == len(m) else _fatia(m, origem, t)

    def transcodificar(self, layout: Layout, de: Pagina, b: bytearray, k: int, indice):
        """The texts of record k of b, from code page `de` to the output's; indice is the
        record's index in its list (None for a holder's), for the error's path."""
        base = k * layout.tamanho
        for d, c in layout.textos_todos:
            p = base + d
            try:
                texto = textos.texto_de_bruto(bytes(b[p:p + c.largura]), de)
                b[p:p + c.largura] = textos.texto_para_bruto(texto, c.largura, self.pagina)
            except ErroValor as e:
                raise ErroArvore(str(e), [c.nome] if indice is None else [f"[{indice}]", c.nome]) from None

    def objetos(self, el: Layout, itens: list, mutavel: bool):
        """The bytes of record objects one after another, as trecho() gives a block's: when they
        can go as they lie, the list of each one's buffer."""
        t = el.tamanho
        buffers = list(map(_BUFFER, itens))
        if any(map(_POSICAO, itens)) or set(map(len, buffers)) != {t}:  # some are views of a larger buffer
            buffers = [memoryview(o._a.m)[o._p:o._p + t] for o in itens]
        outras = [k for k, a in enumerate(map(_PACOTE, itens)) if a.pagina is not self.pagina] \
            if el.textos_todos else ()
        if not mutavel and not outras:
            return buffers
        dados = bytearray(b"".join(buffers))
        for k in outras:
            self.transcodificar(el, itens[k]._a.pagina, dados, k, k)
        return dados

    def filhos(self, layout: Layout, a, origem: int, objeto, bloco: bytearray, pos: int, profundidade: int):
        """The children of the record at pos of bloco (copied from origem of a's buffer): from
        the object's lists and holders once it has them, else from the blocks its bytes point to."""
        f = objeto._f if objeto is not None else None
        m = a.m
        for _, filho in layout.slots:
            valor = f.get(filho.nome, _INTOCADO) if f is not None else _INTOCADO
            if valor is _INTOCADO:
                desloc = _U64.unpack_from(m, origem + filho.ponteiro)[0]
                if filho.tipo == "unico":
                    valor = (a, desloc, 1, None) if desloc else None
                else:
                    valor = (a, desloc, _U32.unpack_from(m, origem + filho.quantidade)[0] if desloc else 0, None)
            try:
                self.filho(filho, valor, bloco, pos, profundidade)
            except ErroArvore as e:
                e.caminho.insert(0, filho.nome)
                raise

    def filho(self, filho, valor, bloco: bytearray, pos: int, profundidade: int):
        """One list or holder of the record at pos of bloco: None, a record, a Lista, or (buffer,
        offset, count, None) for a block of a read tree that nobody touched."""
        itens = None
        if type(valor) is tuple:
            a, d, n, cache = valor
        elif filho.tipo == "unico":
            if valor is None:
                _U64.pack_into(bloco, pos + filho.ponteiro, 0)
                return
            if type(valor) is not filho.elemento.classe:
                raise ErroArvore(f"expected a {filho.elemento.nome}, got {type(valor).__name__}")
            a, d, n, cache = valor._a, valor._p, 1, (valor,)
        else:
            if type(valor) is not Lista and not isinstance(valor, Lista):
                raise ErroArvore(f"expected a list, got {type(valor).__name__}")
            itens = valor._itens
            if itens is None:
                a, d, n, cache = valor._a, valor._d, valor._n, valor._cache
            else:
                n = len(itens)
        lista = filho.quantidade is not None
        if lista:
            if n > 0xFFFFFFFF:
                raise ErroArvore(f"a list of {n} elements, more than a 32-bit count holds")
            _U32.pack_into(bloco, pos + filho.quantidade, n)
        if n == 0:
            _U64.pack_into(bloco, pos + filho.ponteiro, 0)
            return
        if profundidade >= self.profundidade:
            self.profundidade = profundidade + 1
        el = filho.elemento
        if el is None:
            dados = _fatia(a.m, d, 4 * n) if itens is None else struct.pack(f"<{n}I", *itens)
        elif itens is None:
            dados = self.trecho(el, a, d, n, bool(el.slots), lista)
        else:
            dados = self.objetos(el, itens, bool(el.slots))
        _U64.pack_into(bloco, pos + filho.ponteiro,
                       self.anexar(dados, n * filho.tamanho if type(dados) is list else None))
        if el is None or not el.slots:
            return
        t = el.tamanho
        for k in range(n):
            if itens is not None:
                objeto = itens[k]
                a, origem = objeto._a, objeto._p
            else:
                objeto, origem = cache[k] if cache is not None else None, d + k * t
            try:
                self.filhos(el, a, origem, objeto, dados, k * t, profundidade + 1)
            except ErroArvore as e:
                if lista:
                    e.caminho.insert(0, f"[{k}]")
                raise


def _fatia(m, origem: int, n: int):
    """n bytes of m from origem, a view (a copy would be one more buffer to allocate)."""
    return memoryview(m)[origem:origem + n]


_ZEROS = [bytes(n) for n in range(8)]
_INTOCADO = object()  # a child its record object has not made yet: its record's bytes say what it is
_BUFFER, _POSICAO, _PACOTE = operator.attrgetter("_a.m"), operator.attrgetter("_p"), operator.attrgetter("_a")


def escrever(arvore: Registro, *, pagina: int = None, profundidade_maxima: int = PROFUNDIDADE_MAXIMA,
             blocos_maximos: int = BLOCOS_MAXIMOS, bytes_maximos: int = BYTES_MAXIMOS) -> bytes:
    """The packed form of a record tree: deterministic, so equal trees give identical bytes.
    Texts are written in code page `pagina` (by default the root record's own). Raises
    ErroArvore for a text that page cannot hold, and for a tree that a reader with these limits
    would refuse."""
    layout = getattr(type(arvore), "layout", None)
    if layout is None or LAYOUTS.get(layout.nome) is not layout:
        raise TypeError(f"not a record of a data class: {type(arvore).__name__}")
    nome = layout.nome.encode("ascii")
    cabecalho = bytearray(tamanho_cabecalho(len(nome)))
    e = _Escritor(arvore._a.pagina if pagina is None else textos.pagina(pagina))
    e.partes.append(cabecalho)
    e.fim = len(cabecalho)
    try:
        raiz = e.trecho(layout, arvore._a, arvore._p, 1, True, False)
        e.anexar(raiz)
        e.filhos(layout, arvore._a, arvore._p, arvore, raiz, 0, 0)
    except ErroArvore as erro:
        erro.caminho.insert(0, layout.nome)
        raise
    for valor, limite, medida, opcao in (
            (e.blocos, blocos_maximos, f"the tree has {e.blocos} blocks", "blocos_maximos"),
            (e.profundidade, profundidade_maxima, f"blocks nested {e.profundidade} levels below the root",
             "profundidade_maxima"),
            (e.fim, bytes_maximos, f"the packed tree would take {e.fim} bytes", "bytes_maximos")):
        if valor > limite:
            raise ErroArvore(f"cannot pack: {medida}, more than the limit of {limite} ({opcao})")
    _CABECALHO.pack_into(cabecalho, 0, MAGICO, VERSAO_PACOTE, 0, e.fim, layout.tamanho, e.blocos, len(cabecalho),
                         len(nome))
    cabecalho[_NOME:_NOME + len(nome)] = nome
    # A BytesIO gathers the pieces and then hands over its own buffer as the result (getvalue()
    # copies nothing once no view of it is left): one buffer of the final size, written once.
    saida = io.BytesIO()
    saida.seek(e.fim - 1)
    saida.write(b"\0")
    saida.seek(0)
    saida.writelines(e.partes)
    e.partes.clear()
    with saida.getbuffer() as vista:
        struct.pack_into("<I", vista, _CRC, zlib.crc32(vista))
    return saida.getvalue()
