// The data modules and windows of the program, created once at start-up in
// a fixed order and kept until the end; any of them can reach another by
// its type. Destroyed in the reverse order of creation.
//
// A module's constructor takes `Modulos&` when it needs the others, or
// nothing. Window thread only.
#pragma once

#include <QList>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

class QWidget;

class Modulos {
public:
    Modulos() = default;
    ~Modulos();
    Modulos(const Modulos&) = delete;
    Modulos& operator=(const Modulos&) = delete;

    // Extra arguments go to the constructor (a window that needs its data
    // module: criar<TfoCadFormula>(*obter<TDMFormula>())).
    template <class T, class... Args> T& criar(Args&&... args) {
        std::shared_ptr<T> p;
        if constexpr (sizeof...(Args) > 0)
            p = std::make_shared<T>(std::forward<Args>(args)...);
        else if constexpr (std::is_constructible_v<T, Modulos&>)
            p = std::make_shared<T>(*this);
        else
            p = std::make_shared<T>();
        itens_.push_back({std::type_index(typeid(T)), p});
        return *p;
    }

    // The module of that type, or nullptr when it was not created.
    template <class T> T* obter() const {
        for (const auto& [tipo, p] : itens_)
            if (tipo == std::type_index(typeid(T)))
                return static_cast<T*>(p.get());
        return nullptr;
    }

    // Set when the program is ending: windows closed from then on must not
    // bring others back.
    bool encerrando = false;

    // Closes every visible top-level window but the given ones; a window
    // that refuses to close is left open.
    static void fecharJanelas(std::initializer_list<const QWidget*> exceto);

private:
    std::vector<std::pair<std::type_index, std::shared_ptr<void>>> itens_;
};
