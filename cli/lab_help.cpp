#include "lab_help.h"

std::string_view LabHelpText() {
    return R"(Použitie: cordic-lab [VOĽBY]

Laboratórium CORDIC na príkazovom riadku: ten istý výpočet ako okno
„Laboratórium CORDIC“, bit po bite, pre skripty, protokoly a testbenche.
Bez volieb vypíše kroky kruhovej rotácie 30° v 54 krokoch rozšírenej
aritmetiky, ako ich počíta hlavné okno.

Nastavenie (predvolené hodnoty v zátvorkách):
  --system circular|linear|hyperbolic  sústava (circular)
  --mode rotation|vectoring            rotácia alebo vektorovanie (rotation)
  --arithmetic extended|double|single|fixed
                                       aritmetika (extended)
  --word W         šírka slova pevnej čiarky, 8 až 64 (16)
  --fraction F     desatinné bity, 0 až W − 1 (14)
  --rounding floor|half-up|half-even   zaokrúhlenie posunu (floor)
  --guard G        strážne bity, 0 až 16, W + G najviac 64 (0)
  --steps N        počet krokov, 1 až 64 (54)
  --theta V        uhol v radiánoch, v hyperbolickej sústave t, v lineárnej
                   c z b + a·c (30°)
  --degrees        --theta a uhly v súbore vstupov sú v stupňoch
  --x V, --y V     bod vektorovania, v lineárnej rotácii a a b (1 a 0)
Čísla sa píšu s desatinnou bodkou alebo čiarkou; voľba sa zadá ako
--steps 16 alebo --steps=16.

Výstup:
  --format tsv|csv|json  tabuľka oddelená tabulátormi, CSV alebo JSON (tsv)
  --results        iba výsledky: názov, hodnota, presná hodnota, chyba v u
  --inputs SÚBOR   jeden výpočet na každý riadok súboru (θ alebo „x y“;
                   prázdne riadky a riadky s # sa preskočia), - číta
                   štandardný vstup
  --hex            registre a výsledky pevnej čiarky šestnástkovo
                   v dvojkovom doplnku W (+ G) bitov, pre $readmemh
  --sweep          najväčšia chyba v u pre n = 1 až 64
  --help           tento text
  --version        verzia programu

Príklady:
  Kroky výpočtu ako tabuľka okna, hlavička a riadok na každý stav:
    cordic-lab --arithmetic fixed --steps 14
  To isté ako CSV pre tabuľkový procesor:
    cordic-lab --arithmetic fixed --steps 14 --format csv
  Výsledky vektorovania bodu (−3, −4) v 64 krokoch:
    cordic-lab --mode vectoring --x -3 --y -4 --steps 64 --results
  Celý výpočet ako jeden objekt JSON:
    cordic-lab --system hyperbolic --theta 0.5 --format json
  Referenčné vektory pre testbench, jeden riadok výsledkov na uhol:
    cordic-lab --arithmetic fixed --steps 16 --results --hex --inputs uhly.txt
  Najväčšia chyba podľa počtu krokov:
    cordic-lab --arithmetic fixed --sweep

Návratová hodnota: 0 bez chyby; 1 ak bol niektorý riadok súboru vstupov
odmietnutý (na jeho mieste stojí „# riadok N: dôvod“); 2 pri chybnej voľbe,
hodnote, ktorá nie je číslo, alebo odmietnutom nastavení (jeden riadok
na štandardnom chybovom výstupe a nič na štandardnom výstupe).
)";
}

std::string_view LabVersionText() {
    return "cordic-lab " CORDIC_VERSION "\n";
}
