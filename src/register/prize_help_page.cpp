#include "register/prize_help_page.h"

#include <string_view>

#include "register/cp1252.h"

namespace movarel::registry {
namespace {

// Written in UTF-8 here and converted once; the page itself is Windows-1252 like every
// page the program writes.
constexpr std::string_view kPage[] = {
    R"(<!DOCTYPE html>)",
    R"(<html lang="es">)",
    R"(<head>)",
    R"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">)",
    R"(<title>Ayuda sobre los premios</title>)",
    R"(</head>)",
    R"(<body>)",
    R"(<h1>Ayuda sobre los premios</h1>)",
    R"(<h2>Cómo se reparten</h2>)",
    R"(<p>El reparto (menú Premios, «Calcular reparto de premios») se hace con la clasificación)",
    R"(final, contando todas las rondas del torneo. Los premios se entregan de uno en uno, del de)",
    R"(mayor cantidad al de menor cantidad. Entre premios de la misma cantidad va primero el de la)",
    R"(categoría con menor orden de reparto y, si también coinciden, el que va antes por su)",
    R"(nombre.</p>)",
    R"(<p>Cada premio es para el jugador mejor clasificado que pueda recibirlo. Si nadie puede)",
    R"(recibirlo, el premio queda <b>Desierto</b>. Como los premios mayores se reparten antes, cada)",
    R"(jugador recibe siempre el mayor premio al que tiene derecho.</p>)",
    R"(<h2>Quién puede recibir cada premio</h2>)",
    R"(<ul>)",
    R"(<li>Un jugador dado de baja no recibe ningún premio, sea cual sea su puesto.</li>)",
    R"(<li>Los premios <b>generales</b> (categoría en blanco o «G») son para todos los jugadores.</li>)",
    R"(<li>Un premio de <b>categoría</b> solo es para los jugadores que optan a ella: la casilla)",
    R"(«Premios» de cada jugador guarda los códigos de las categorías a las que opta (por ejemplo)",
    R"(«jl» para un jugador juvenil y local). Da igual escribir los códigos en mayúsculas o)",
    R"(minúsculas.</li>)",
    R"(</ul>)",
    R"(<h2>Cuántos premios puede recibir un jugador</h2>)",
    R"(<ul>)",
    R"(<li>Como mucho un premio general.</li>)",
    R"(<li>Como mucho un premio de cada categoría.</li>)",
    R"(<li>Como mucho un premio <b>no acumulable</b>.</li>)",
    R"(<li>Los premios <b>acumulables</b> se suman a cualquier otro dentro de los dos primeros)",
    R"(límites: quien tiene un premio general acumulable puede recibir además un premio de)",
    R"(categoría no acumulable, y al revés.</li>)",
    R"(</ul>)",
    R"(<h2>Códigos de las categorías</h2>)",
    R"(<table border="1" cellpadding="3">)",
    R"(<tr><th>Categoría</th><th>Código</th></tr>)",
    R"(<tr><td>General</td><td>(en blanco) o G</td></tr>)",
    R"(<tr><td>Juvenil</td><td>j</td></tr>)",
    R"(<tr><td>Mujer</td><td>m</td></tr>)",
    R"(<tr><td>Veterano</td><td>v</td></tr>)",
    R"(<tr><td>Local</td><td>l</td></tr>)",
    R"(<tr><td>Preferente</td><td>p</td></tr>)",
    R"(<tr><td>Primera</td><td>1</td></tr>)",
    R"(<tr><td>Segunda</td><td>2</td></tr>)",
    R"(<tr><td>Tercera</td><td>3</td></tr>)",
    R"(<tr><td>No federado</td><td>n</td></tr>)",
    R"(<tr><td>Infantil</td><td>i</td></tr>)",
    R"(<tr><td>Alevín</td><td>a</td></tr>)",
    R"(<tr><td>Benjamín</td><td>b</td></tr>)",
    R"(<tr><td>Belleza</td><td>x</td></tr>)",
    R"(</table>)",
    R"(<h2>Antes de repartir</h2>)",
    R"(<ol>)",
    R"(<li>Introduzca los premios con su cantidad, su categoría y si son acumulables.</li>)",
    R"(<li>En «Premios a los que opta cada jugador» escriba los códigos de cada jugador. El botón)",
    R"(«Poner categoría en premios» añade a cada jugador de categoría Preferente, Primera, Segunda)",
    R"(o Tercera el código de su categoría.</li>)",
    R"(<li>En «Orden de reparto de los premios» ordene las categorías: decide qué premio se)",
    R"(entrega antes cuando dos premios tienen la misma cantidad.</li>)",
    R"(<li>Calcule el reparto. Puede repetirlo tantas veces como quiera.</li>)",
    R"(</ol>)",
    R"(</body>)",
    R"(</html>)",
};

}  // namespace

std::string PrizeHelpPage() {
  std::string page;
  for (std::string_view line : kPage) {
    page += Cp1252(line);
    page += "\r\n";
  }
  return page;
}

}  // namespace movarel::registry
