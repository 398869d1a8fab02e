#include "Percentuais.h"

#include "Arredondamento.h"

#include <cmath>

double TotalQuantidades(const std::vector<double>& quantidades) {
    double total = 0;
    for (double q : quantidades)
        total += q;
    return Arredondar(4, total);
}

std::vector<double> CalcularPercentuais(const std::vector<double>& quantidades) {
    double total = 0;
    for (double q : quantidades)
        total += q;
    std::vector<double> r(quantidades.size(), 0.0);
    if (total == 0 || quantidades.empty())
        return r;
    // Ten-thousandths as integers, so the remainder is exact.
    long long resto = 1000000;
    std::vector<long long> partes;
    for (double q : quantidades) {
        partes.push_back(std::llround(Arredondar(4, q / total * 100) * 10000));
        resto -= partes.back();
    }
    // The remainder goes to the last component that has a quantity, so a
    // trailing empty component never gets a share (nor a negative one).
    size_t ultimo = partes.size() - 1;
    while (ultimo > 0 && quantidades[ultimo] == 0)
        --ultimo;
    partes[ultimo] += resto;
    for (size_t i = 0; i < partes.size(); ++i)
        r[i] = double(partes[i]) / 10000;
    return r;
}
