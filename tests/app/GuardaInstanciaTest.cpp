// The running-instance guard, two instances played in one process.
#include "app/GuardaInstancia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

TEST(GuardaInstanciaTest, SegundaInstanciaPedeQueAPrimeiraSeMostre) {
    const QString nome = "PcpTeste" + QUuid::createUuid().toString(QUuid::Id128);
    GuardaInstancia primeira(nome);
    EXPECT_FALSE(primeira.outraInstanciaAtiva());
    ASSERT_TRUE(primeira.escutar());
    int pedidos = 0;
    QObject::connect(&primeira, &GuardaInstancia::pedidoMostrar, [&] { ++pedidos; });

    GuardaInstancia segunda(nome);
    EXPECT_TRUE(segunda.outraInstanciaAtiva());
    // The request is already in the socket; let the first instance read it.
    for (int i = 0; i < 1000 && pedidos == 0; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(pedidos, 1);

    EXPECT_TRUE(GuardaInstancia::nomePadrao().startsWith("Dosagem32"));
}

TEST(GuardaInstanciaTest, NomeDeixadoPorInstanciaMortaERetomado) {
    const QString nome = "PcpTeste" + QUuid::createUuid().toString(QUuid::Id128);
    // A process that died keeps its socket file but answers nobody.
    QFile resto(QDir::tempPath() + "/" + nome);
    ASSERT_TRUE(resto.open(QIODevice::WriteOnly));
    resto.close();
    GuardaInstancia nova(nome);
    EXPECT_FALSE(nova.outraInstanciaAtiva());
    EXPECT_TRUE(nova.escutar());
}
