#include "CodigoProduto.h"

#include "session/Sessao.h"
#include "store/Consulta.h"

namespace {
int Maior(Consulta& q) {
    q.abrir();
    return q.vazio() ? 0 : q.campo(0).inteiro();
}
} // namespace

int ProporCodigoProduto(SessaoBanco* sessao) {
    const DadosSessao& s = Sess();
    Consulta q(sessao);
    if (s.FatModNf == 123) {
        const QString caminho = s.DirEmpresa.left(3) + s.DirLojaZero + "\\ESTPROMA.DB";
        q.setSql({"SELECT MAX(COD_REDUZ) ULTIMO", "  FROM \"" + caminho + "\"",
                  " WHERE FILIAL = :P-FIL"});
        q.definirParametro("P-FIL", s.Filial);
        return Maior(q) + 1;
    }
    int teto = 0;
    if (s.FatModNf == 114)
        teto = 20001;
    else if (s.FatModNf == 51)
        teto = 4014510;
    QStringList sql{"SELECT MAX(COD_REDUZ) ULTIMO", "  FROM ESTPROMA", " WHERE FILIAL = :P-FIL"};
    if (teto)
        sql << "   AND COD_REDUZ < :P-TETO";
    q.setSql(sql);
    q.definirParametro("P-FIL", s.Filial);
    q.definirParametro("P-TETO", teto);
    return Maior(q) + 1;
}
