#include "ConfigImpressao.h"

ConfigImpressao& ConfigImpressao::atual() {
    static ConfigImpressao c;
    return c;
}

void ReiniciarConfigImpressao() {
    ConfigImpressao& c = ConfigImpressao::atual();
    c.CodigoPasso.clear();
    c.Modo = 'T';
}
