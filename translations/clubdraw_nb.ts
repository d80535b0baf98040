<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Catalogue</name>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 er større enn %2 MiB</translation>
    </message>
    <message>
        <source>%1: more than %2 teams</source>
        <extracomment>%1 is where the reader is, such as &quot;Record 3, line 4 of &lt;file&gt;&quot;</extracomment>
        <translation>%1: mer enn %2 lag</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 er en mappe</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is missing</source>
        <translation>%1 er en lenke til %2, som mangler</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 er ikke en vanlig fil</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop</source>
        <translation>%1 er en lenke som går i ring</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>it holds U+FFFD, a character that could not be decoded</source>
        <translation>den inneholder U+FFFD, et tegn som ikke kunne dekodes</translation>
    </message>
    <message>
        <source>it holds the control character %1</source>
        <extracomment>%1 is a character code such as U+0081</extracomment>
        <translation>den inneholder kontrolltegnet %1</translation>
    </message>
    <message>
        <source>it looks like UTF-8 read as Windows-1252</source>
        <translation>det ser ut som UTF-8 lest som Windows-1252</translation>
    </message>
    <message>
        <source>the database flag is not a whole number; it reads as %1</source>
        <translation>databaseflagget er ikke et heltall; det leses som %1</translation>
    </message>
    <message numerus="yes">
        <source>the line has %n field(s), the last one empty: remove the comma at its end</source>
        <translation>
            <numerusform>linjen har %n felt, det siste tomt: fjern kommaet på slutten</numerusform>
            <numerusform>linjen har %n felt, det siste tomt: fjern kommaet på slutten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the line has %n field(s), not whole records of five; every record after it is shifted</source>
        <translation>
            <numerusform>linjen har %n felt, ikke hele poster med fem felt; alle poster etter den forskyves</numerusform>
            <numerusform>linjen har %n felt, ikke hele poster med fem felt; alle poster etter den forskyves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the nation %1 is none of the main window&apos;s sixteen, so its %n club(s) never drawn by nation%2</source>
        <extracomment>%1 is the nation; %2 is empty or &quot;; did you mean ...?&quot;</extracomment>
        <translation>
            <numerusform>landet %1 er ikke blant hovedvinduets seksten, så laget trekkes aldri etter land%2</numerusform>
            <numerusform>landet %1 er ikke blant hovedvinduets seksten, så de %n lagene trekkes aldri etter land%2</numerusform>
        </translation>
    </message>
    <message>
        <source>no club name: the record is skipped</source>
        <translation>mangler lagnavn: posten hoppes over</translation>
    </message>
    <message>
        <source>empty nation and division</source>
        <translation>tomt land og tom divisjon</translation>
    </message>
    <message>
        <source>empty nation</source>
        <translation>tomt land</translation>
    </message>
    <message>
        <source>empty division</source>
        <translation>tom divisjon</translation>
    </message>
    <message>
        <source>the nation %1 looks wrongly decoded: %2</source>
        <translation>landet %1 ser feil dekodet ut: %2</translation>
    </message>
    <message>
        <source>the division %1 looks wrongly decoded: %2</source>
        <translation>divisjonen %1 ser feil dekodet ut: %2</translation>
    </message>
    <message>
        <source>the suffix %1 looks wrongly decoded: %2</source>
        <translation>tillegget %1 ser feil dekodet ut: %2</translation>
    </message>
    <message>
        <source>the club name %1 looks wrongly decoded: %2</source>
        <translation>lagnavnet %1 ser feil dekodet ut: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>Quotation marks around a name, as the language writes them</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>the catalogue holds no clubs: nothing can be drawn</source>
        <translation>lagfilen har ingen lag: ingenting kan trekkes</translation>
    </message>
    <message>
        <source>%1 holds the control or invisible character %2, which can disturb a terminal or hide what the text says</source>
        <extracomment>%1 is the field&apos;s text, %2 a character code such as U+001B</extracomment>
        <translation>%1 inneholder kontrolltegnet eller det usynlige tegnet %2, som kan forstyrre en terminal eller skjule hva teksten sier</translation>
    </message>
    <message>
        <source>the division %1 of the nation %2 reads the same as the division %3 of the nation %4 (line %5): the division window cannot tell them apart</source>
        <translation>divisjonen %1 i landet %2 leses likt som divisjonen %3 i landet %4 (linje %5): divisjonsvinduet kan ikke skille dem</translation>
    </message>
    <message>
        <source>club %1 of %2 is listed twice (first on line %3)</source>
        <translation>laget %1 i %2 står to ganger (første gang på linje %3)</translation>
    </message>
    <message>
        <source>club %1 of %2 looks like %3 on line %4: they differ only in letter case or blanks</source>
        <translation>laget %1 i %2 ligner %3 på linje %4: de skiller seg bare i store og små bokstaver eller mellomrom</translation>
    </message>
    <message>
        <source>the line is not UTF-8 (byte 0x%1 at column %2), so it is read as Windows-1252</source>
        <translation>linjen er ikke UTF-8 (byte 0x%1 i kolonne %2), så den leses som Windows-1252</translation>
    </message>
    <message>
        <source>the club name %1 has %2 characters, more than the %3 that the result shows in full; the window cuts it short</source>
        <translation>klubbnavnet %1 har %2 tegn, flere enn de %3 som resultatet viser i sin helhet; vinduet kutter det av</translation>
    </message>
    <message>
        <source>the division line %1 has %2 characters, more than the %3 that the result shows in full; the window cuts it short</source>
        <translation>divisjonslinjen %1 har %2 tegn, flere enn de %3 som resultatet viser i sin helhet; vinduet kutter den av</translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>show the catalogue in use, or make your own copy</source>
        <translation>vis lagfilen som brukes, eller lag din egen kopi</translation>
    </message>
    <message>
        <source>Show or copy the catalogue.</source>
        <translation>Vis eller kopier lagfilen.</translation>
    </message>
    <message>
        <source>Copy the catalogue in use into your data folder and print the copy&apos;s path.</source>
        <translation>Kopier lagfilen som brukes, til datamappen din og skriv ut stien til kopien.</translation>
    </message>
    <message>
        <source>With --copy: replace a copy you already have (your edits are lost).</source>
        <translation>Med --copy: erstatt en kopi du allerede har (endringene dine går tapt).</translation>
    </message>
    <message>
        <source>--force goes with --copy</source>
        <translation>--force brukes sammen med --copy</translation>
    </message>
    <message>
        <source>the catalogue in use, %1, lies beside the program and is the one to edit; nothing copied</source>
        <translation>lagfilen som brukes, %1, ligger ved siden av programmet og er den du skal redigere; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>%1 is already your own copy and the one in use; edit it, or add --force to replace it with the installed catalogue</source>
        <translation>%1 er allerede din egen kopi og den som brukes; rediger den, eller legg til --force for å erstatte den med den installerte lagfilen</translation>
    </message>
    <message>
        <source>no installed catalogue to replace %1 with</source>
        <translation>ingen installert lagfil å erstatte %1 med</translation>
    </message>
    <message>
        <source>%1 already exists; add --force to replace it (your edits in it are lost)</source>
        <translation>%1 finnes allerede; legg til --force for å erstatte den (endringene dine i den går tapt)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing copied</source>
        <translation>kan ikke skrive %1: %2; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>Prints the path of the catalogue in use: the first kortliste_eng.txt found
  1. as given with --catalogue FILE;
  2. beside the program;
  3. in your data folder, $XDG_DATA_HOME/clubdraw (~/.local/share/clubdraw);
  4. in the system&apos;s, $XDG_DATA_DIRS/*/clubdraw (/usr/local/share/clubdraw,
     then /usr/share/clubdraw);
  5. in ../share/clubdraw beside the program&apos;s folder.
--copy puts a copy of it in your data folder, to edit; from then on the window
and every command read your copy.</source>
        <translation>Skriver ut stien til lagfilen som brukes, den første kortliste_eng.txt funnet
  1. slik den er oppgitt med --catalogue FILE;
  2. ved siden av programmet;
  3. i datamappen din, $XDG_DATA_HOME/clubdraw (~/.local/share/clubdraw);
  4. i systemets, $XDG_DATA_DIRS/*/clubdraw (/usr/local/share/clubdraw,
     deretter /usr/share/clubdraw);
  5. i ../share/clubdraw ved siden av programmets mappe.
--copy legger en kopi av den i datamappen din, til redigering; fra da av leser
vinduet og alle kommandoer kopien din.</translation>
    </message>
    <message>
        <source>you have no data folder of your own to copy into: set HOME, or XDG_DATA_HOME, to a full path; nothing copied</source>
        <translation>du har ingen egen datamappe å kopiere til: sett HOME, eller XDG_DATA_HOME, til en full sti; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is missing; mount it or remove the link; nothing copied</source>
        <translation>%1 er en lenke til %2, som mangler; monter den eller fjern lenken; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>%1 is not a regular file; remove it; nothing copied</source>
        <translation>%1 er ikke en vanlig fil; fjern den; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2; nothing copied</source>
        <translation>kan ikke lage mappen %1: %2; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>Prints the path of the catalogue in use: the first kortliste_eng.txt found
  1. as given with --catalogue FILE;
  2. beside the program;
  3. in your data folder, %LOCALAPPDATA%\clubdraw;
  4. in the system&apos;s, %ProgramData%\clubdraw (and the clubdraw and
     data\clubdraw folders in the program&apos;s folder);
  5. in ..\share\clubdraw beside the program&apos;s folder, where the installer
     puts it.
--copy puts a copy of it in your data folder, to edit; from then on the window
and every command read your copy.</source>
        <translation>Skriver ut stien til lagfilen som brukes, den første kortliste_eng.txt funnet
  1. slik den er oppgitt med --catalogue FILE;
  2. ved siden av programmet;
  3. i datamappen din, %LOCALAPPDATA%\clubdraw;
  4. i systemets, %ProgramData%\clubdraw (og mappene clubdraw og
     data\clubdraw i programmets mappe);
  5. i ..\share\clubdraw ved siden av programmets mappe, der installasjonen
     legger den.
--copy legger en kopi av den i datamappen din, til redigering; fra da av leser
vinduet og alle kommandoer kopien din.</translation>
    </message>
    <message>
        <source>%1 lies beside the program and is read before your own copy, so a copy would never be used; edit that file instead; nothing copied</source>
        <translation>%1 ligger ved siden av programmet og leses før din egen kopi, så en kopi ville aldri blitt brukt; rediger den filen i stedet; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>%1; nothing copied</source>
        <translation>%1; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>%1 is a link that leads round in a loop; remove the link; nothing copied</source>
        <translation>%1 er en lenke som går i ring; fjern lenken; ingenting ble kopiert</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which is not a regular file; remove the link; nothing copied</source>
        <translation>%1 er en lenke til %2, som ikke er en vanlig fil; fjern lenken; ingenting ble kopiert</translation>
    </message>
</context>
<context>
    <name>CatalogueLocation</name>
    <message>
        <source>Tried, in this order:</source>
        <translation>Prøvde disse stedene, i rekkefølge:</translation>
    </message>
    <message>
        <source>$%1 is not valid UTF-8: %2</source>
        <translation>$%1 er ikke gyldig UTF-8: %2</translation>
    </message>
</context>
<context>
    <name>CatalogueReader</name>
    <message>
        <source>Record %1, line %2</source>
        <translation>Post %1, linje %2</translation>
    </message>
    <message>
        <source>Record %1, line %2 of %3</source>
        <translation>Post %1, linje %2 i %3</translation>
    </message>
    <message>
        <source>: the file ends before the record&apos;s five fields</source>
        <translation>: filen slutter før postens fem felt</translation>
    </message>
    <message>
        <source>: the quote opened on this line is never closed</source>
        <translation>: anførselstegnet som åpnes på denne linjen, lukkes aldri</translation>
    </message>
    <message>
        <source>: minimum flag &quot;%1&quot; is outside -32768 to 32767</source>
        <translation>: databaseflagget «%1» er utenfor -32768 til 32767</translation>
    </message>
    <message>
        <source>UTF-16, little-endian</source>
        <translation>UTF-16, little-endian</translation>
    </message>
    <message>
        <source>UTF-16, big-endian</source>
        <translation>UTF-16, big-endian</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>report every problem of a catalogue</source>
        <translation>rapporter alle problemer i en lagfil</translation>
    </message>
    <message>
        <source>Reads a catalogue and reports every problem, as FILE:LINE: error|warning: text,
then sums it up. Exit status 0 when it is clean, 1 on an error (and with
--strict on a warning too).</source>
        <translation>Leser en lagfil og melder hvert problem som FILE:LINE: error|warning: text,
og oppsummerer til slutt. Avslutningsstatus 0 når den er feilfri, 1 ved en feil
(og med --strict også ved en advarsel).</translation>
    </message>
    <message>
        <source>Check a catalogue.</source>
        <translation>Kontroller en lagfil.</translation>
    </message>
    <message>
        <source>The catalogue to check; by default the one in use.</source>
        <translation>Lagfilen som skal kontrolleres; som standard den som brukes.</translation>
    </message>
    <message>
        <source>Fail on warnings too.</source>
        <translation>Avslutt med feil også ved advarsler.</translation>
    </message>
    <message>
        <source>List at most N findings (100 by default, 0 for all); the summary counts them all.</source>
        <translation>List opp høyst N funn (100 som standard, 0 for alle); oppsummeringen teller alle.</translation>
    </message>
    <message>
        <source>give the catalogue as FILE or with --catalogue, not both</source>
        <translation>oppgi lagfilen som FILE eller med --catalogue, ikke begge</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Ingen problemer funnet.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n feil</numerusform>
            <numerusform>%n feil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n advarsel</numerusform>
            <numerusform>%n advarsler</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: and %2 more (--max-findings 0 lists them all)</source>
        <translation>%1: og %2 til (--max-findings 0 lister opp alle)</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4, %5 in the Minimum database</source>
        <extracomment>%1 is the file, then the numbers of clubs, nations, divisions and Minimum clubs</extracomment>
        <translation>%1: %2, %3, %4, %5 i Minimum-databasen</translation>
    </message>
    <message numerus="yes">
        <source>%n club(s)</source>
        <translation>
            <numerusform>%n lag</numerusform>
            <numerusform>%n lag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nation(s)</source>
        <translation>
            <numerusform>%n land</numerusform>
            <numerusform>%n land</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n division(s)</source>
        <translation>
            <numerusform>%n divisjon</numerusform>
            <numerusform>%n divisjoner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n more club(s) past the limit of %2 do not load</source>
        <extracomment>%1 is the file, %2 the most clubs that load</extracomment>
        <translation>
            <numerusform>%1: %n lag til over grensen på %2 lastes ikke</numerusform>
            <numerusform>%1: %n lag til over grensen på %2 lastes ikke</numerusform>
        </translation>
    </message>
    <message>
        <source>the file name to check is empty</source>
        <translation>filnavnet som skal sjekkes, er tomt</translation>
    </message>
    <message>
        <source>%1: read as %2</source>
        <extracomment>%1 is the file, %2 an encoding such as UTF-8</extracomment>
        <translation>%1: lest som %2</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>%1 %2 is too large; the largest is %3</source>
        <translation>%1 %2 er for stort; det største er %3</translation>
    </message>
    <message>
        <source>%1 wants a whole number from %2 up, not &apos;%3&apos;</source>
        <translation>%1 krever et heltall fra og med %2, ikke «%3»</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Draws a random football club to manage. Without a command it opens the
window; the commands work without one:
</source>
        <translation>Trekker et tilfeldig fotballag som du kan styre. Uten kommando åpnes
vinduet; kommandoene virker uten det:
</translation>
    </message>
    <message>
        <source>&apos;clubdraw COMMAND --help&apos; tells more.</source>
        <translation>«clubdraw COMMAND --help» forteller mer.</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <extracomment>%1 names every command but the last, %2 the last</extracomment>
        <translation>%1 eller %2.</translation>
    </message>
    <message>
        <source>--catalogue wants a file name</source>
        <translation>--catalogue krever et filnavn</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Vis denne hjelpen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Vis versjonen.</translation>
    </message>
    <message>
        <source>Read FILE instead of the catalogue in use.</source>
        <translation>Les FILE i stedet for lagfilen som brukes.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;%2</source>
        <translation>ukjent kommando «%1»%2</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>ingen kommando oppgitt</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>Stands for the name of a command in the help</extracomment>
        <translation>kommando</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[kommando]</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>ukjent valg «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>uventet argument «%1»</translation>
    </message>
    <message>
        <source>Speak English (en) or Norwegian Bokmål (nb) this time.</source>
        <translation>Bruk engelsk (en) eller norsk bokmål (nb) denne gangen.</translation>
    </message>
    <message>
        <source>the argument &apos;%1&apos; is not valid UTF-8, and a path that is not cannot be opened</source>
        <translation>argumentet «%1» er ikke gyldig UTF-8, og en sti som ikke er det, kan ikke åpnes</translation>
    </message>
    <message>
        <source>--language wants en or nb, not &apos;%1&apos;</source>
        <translation>--language krever en eller nb, ikke «%1»</translation>
    </message>
</context>
<context>
    <name>DrawCode</name>
    <message>
        <source>The code is mistyped: its check does not match.</source>
        <translation>Koden er skrevet feil: kontrollsifrene stemmer ikke.</translation>
    </message>
    <message>
        <source>The code was made by a later version of the program.</source>
        <translation>Koden er laget av en nyere versjon av programmet.</translation>
    </message>
    <message>
        <source>The code was made with another catalogue.</source>
        <translation>Koden er laget med en annen lagliste.</translation>
    </message>
    <message>
        <source>The code was made with other clubs left out.</source>
        <translation>Koden er laget med andre lag utelatt.</translation>
    </message>
</context>
<context>
    <name>DrawCommand</name>
    <message>
        <source>draw clubs and print them</source>
        <translation>trekk lag og skriv dem ut</translation>
    </message>
    <message>
        <source>Draws like the windows do and prints the club and its division line.
Give nations (--nation, --preset) or divisions (--division), not both.</source>
        <translation>Trekker slik vinduene gjør, og skriver ut laget og divisjonslinjen.
Oppgi land (--nation, --preset) eller divisjoner (--division), ikke begge.</translation>
    </message>
    <message>
        <source>Draw clubs without a window.</source>
        <translation>Trekk lag uten vindu.</translation>
    </message>
    <message>
        <source>Draw from the clubs of this nation, one of the main window&apos;s sixteen. Repeatable.</source>
        <translation>Trekk blant lagene i dette landet, ett av hovedvinduets seksten. Kan gjentas.</translation>
    </message>
    <message>
        <source>Draw from the nations of a main-window preset: all, none, europe, south-america, spring-autumn or autumn-spring.</source>
        <translation>Trekk blant landene i et forvalg fra hovedvinduet: all, none, europe, south-america, spring-autumn eller autumn-spring.</translation>
    </message>
    <message>
        <source>Draw from the Normal database; by default only the clubs of the Minimum database are drawn by nation.</source>
        <translation>Trekk fra Normal-databasen; som standard trekkes bare lagene i Minimum-databasen etter land.</translation>
    </message>
    <message>
        <source>Draw from every club of this division, given as the division window lists it: nation, one blank, division. Repeatable.</source>
        <translation>Trekk blant alle lagene i denne divisjonen, oppgitt slik divisjonsvinduet viser den: land, ett mellomrom, divisjon. Kan gjentas.</translation>
    </message>
    <message>
        <source>Draw N different clubs, one for each human manager; 1 by default.</source>
        <translation>Trekk N ulike lag, ett for hver menneskelige manager; 1 som standard.</translation>
    </message>
    <message>
        <source>Make the draw repeatable: the same N and catalogue give the same clubs on every run.</source>
        <translation>Gjør trekningen reproduserbar: samme N og lagfil gir de samme lagene hver gang.</translation>
    </message>
    <message>
        <source>--division cannot be combined with --nation or --preset</source>
        <translation>--division kan ikke kombineres med --nation eller --preset</translation>
    </message>
    <message>
        <source>--normal is for drawing by nation; --division takes every club of the division</source>
        <translation>--normal gjelder trekning etter land; --division tar med alle lagene i divisjonen</translation>
    </message>
    <message>
        <source>nothing to draw from: give nations (--nation, --preset) or --division</source>
        <translation>ingenting å trekke fra: oppgi land (--nation, --preset) eller --division</translation>
    </message>
    <message>
        <source>--seed wants a whole number, not &apos;%1&apos;</source>
        <translation>--seed krever et heltall, ikke «%1»</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (%2)%3</source>
        <translation>ukjent forvalg «%1» (%2)%3</translation>
    </message>
    <message>
        <source>no division &quot;%1&quot; in %2%3</source>
        <translation>ingen divisjon «%1» i %2%3</translation>
    </message>
    <message numerus="yes">
        <source>only %n club(s) to draw from, fewer than --count %1</source>
        <translation>
            <numerusform>bare %n lag å trekke fra, færre enn --count %1</numerusform>
            <numerusform>bare %n lag å trekke fra, færre enn --count %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n club(s) to draw from; a draw needs at least %1</source>
        <translation>
            <numerusform>bare %n lag å trekke fra; en trekning trenger minst %1</numerusform>
            <numerusform>bare %n lag å trekke fra; en trekning trenger minst %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the sixteen nations (%2)%3</source>
        <translation>«%1» er ikke ett av de seksten landene (%2)%3</translation>
    </message>
    <message>
        <source>the catalogue %1 holds no clubs</source>
        <translation>lagfilen %1 har ingen lag</translation>
    </message>
    <message numerus="yes">
        <source>; with --normal there are %n</source>
        <translation>
            <numerusform>; med --normal er det %n</numerusform>
            <numerusform>; med --normal er det %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Name a manager&apos;s row; each gets a different club. Repeatable; --count adds unnamed rows.</source>
        <translation>Gi en managers rad et navn; hver får sitt eget lag. Kan gjentas; --count legger til rader uten navn.</translation>
    </message>
    <message>
        <source>Derive the seed from words agreed before the draw, so anyone can repeat it and see it was not drawn again.</source>
        <translation>Utled frøet fra ord dere ble enige om før trekningen, så hvem som helst kan gjenta den og se at den ikke ble trukket på nytt.</translation>
    </message>
    <message>
        <source>Never draw the clubs this file lists, one &quot;Nation&quot;,&quot;Club&quot; a line, as the window keeps them.</source>
        <translation>Trekk aldri lagene denne fila lister opp, ett &quot;Nation&quot;,&quot;Club&quot; per linje, slik vinduet lagrer dem.</translation>
    </message>
    <message>
        <source>Draw again what a draw code fixes: the same clubs for the same rows.</source>
        <translation>Trekk på nytt det en trekningskode fastsetter: de samme lagene til de samme radene.</translation>
    </message>
    <message>
        <source>Print the clubs as one JSON array, each with the code and its manager.</source>
        <translation>Skriv ut lagene som én JSON-tabell, hvert med koden og sin manager.</translation>
    </message>
    <message>
        <source>--manager wants a name, not an empty one</source>
        <translation>--manager trenger et navn, ikke et tomt</translation>
    </message>
    <message>
        <source>two rows are named &quot;%1&quot;</source>
        <translation>to rader heter «%1»</translation>
    </message>
    <message>
        <source>--replay cannot be combined with --%1: the code fixes it</source>
        <translation>--replay kan ikke brukes sammen med --%1: koden fastsetter det</translation>
    </message>
    <message>
        <source>--seed and --words both give the seed; give one</source>
        <translation>--seed og --words gir begge frøet; bruk bare én av dem</translation>
    </message>
    <message>
        <source>--words wants words, not an empty text</source>
        <translation>--words trenger ord, ikke en tom tekst</translation>
    </message>
    <message>
        <source>--count %1 is fewer than the %2 managers named</source>
        <translation>--count %1 er færre enn de %2 navngitte managerne</translation>
    </message>
    <message>
        <source>cannot replay %1: %2</source>
        <translation>kan ikke trekke %1 på nytt: %2</translation>
    </message>
    <message numerus="yes">
        <source>the code is for %n manager(s), not %1</source>
        <translation>
            <numerusform>koden gjelder %n manager, ikke %1</numerusform>
            <numerusform>koden gjelder %n managere, ikke %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n club(s) to draw from, fewer than the %1 rows</source>
        <translation>
            <numerusform>bare %n lag å trekke fra, færre enn de %1 radene</numerusform>
            <numerusform>bare %n lag å trekke fra, færre enn de %1 radene</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LeagueText</name>
    <message>
        <source>Manager %1</source>
        <translation>Manager %1</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <extracomment>Last line of a copied or printed result</extracomment>
        <translation>Kode: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3), %4</source>
        <extracomment>Copied result: manager, club, division line, nation</extracomment>
        <translation>%1: %2 (%3), %4</translation>
    </message>
</context>
<context>
    <name>LeaveOutList</name>
    <message>
        <source>Line %1 of %2 is not &quot;Nation&quot;,&quot;Club&quot;</source>
        <translation>Linje %1 i %2 er ikke &quot;Nasjon&quot;,&quot;Lag&quot;</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Kan ikke opprette mappa %1</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>print what can be drawn, with club counts</source>
        <translation>skriv ut hva som kan trekkes, med antall lag</translation>
    </message>
    <message>
        <source>List what can be drawn.</source>
        <translation>List opp hva som kan trekkes.</translation>
    </message>
    <message>
        <source>nations or divisions.</source>
        <translation>nations eller divisions.</translation>
    </message>
    <message>
        <source>list what: nations or divisions?</source>
        <translation>hva skal listes opp: nations eller divisions?</translation>
    </message>
    <message>
        <source>%1, %2 in Minimum</source>
        <translation>%1, %2 i Minimum</translation>
    </message>
    <message numerus="yes">
        <source>%n club(s)</source>
        <translation>
            <numerusform>%n lag</numerusform>
            <numerusform>%n lag</numerusform>
        </translation>
    </message>
    <message>
        <source>Prints the nations or divisions that can be drawn, as --nation and
--division take them, with their numbers of clubs.</source>
        <translation>Skriver ut landene eller divisjonene som kan trekkes, slik --nation og
--division tar dem, med antall lag.</translation>
    </message>
    <message>
        <source>cannot list &apos;%1&apos;, only nations or divisions%2</source>
        <translation>kan ikke liste opp «%1», bare nations eller divisions%2</translation>
    </message>
</context>
<context>
    <name>NameSuggestion</name>
    <message>
        <source>; did you mean &quot;%1&quot;?</source>
        <translation>; mente du «%1»?</translation>
    </message>
</context>
<context>
    <name>Nation</name>
    <message>
        <source></source>
        <comment>A nation&apos;s check box in the main window: the nation as the language names it (&quot;Holland&quot; is the Netherlands). The catalogue and the command line keep the English names.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danmark</translation>
    </message>
    <message>
        <source>England</source>
        <translation>England</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrike</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Holland</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norge</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Skottland</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spania</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Sverige</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Tyskland</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Valg:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenter:</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Mangler verdi etter «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Uventet verdi etter «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valg]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Bruk: %1</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Vis detaljer...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Skjul detaljer...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Rull hit</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Venstre kant</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Øverst</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Høyre kant</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Nederst</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Én side til venstre</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Én side opp</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Én side til høyre</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Én side ned</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Rull til høyre</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Rull ned</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopier &amp;lenkeadresse</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>RunError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Ikke nok minne</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fant ikke filen</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesing forbi slutten av filen</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Feil ved tilgang til sti eller fil</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Program- eller objektdefinert feil</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <extracomment>The error box; the number stays as it is, so reports and searches find it</extracomment>
        <translation>Kjøretidsfeil «%1»:

%2</translation>
    </message>
    <message>
        <source>run-time error %1: %2</source>
        <extracomment>A line on the terminal; the number stays as it is</extracomment>
        <translation>kjøretidsfeil %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n til</numerusform>
            <numerusform>og %n til</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write the output: %1</source>
        <translation>kan ikke skrive utdataene: %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>the window needs a graphical session, and none could be opened; the commands work without one (%1 --help)</source>
        <translation>vinduet trenger en grafisk økt, og ingen kunne åpnes; kommandoene virker uten (%1 --help)</translation>
    </message>
    <message>
        <source>The catalogue %1 holds no clubs, so no draw can find one. Add clubs to it, or check it with: %2 check</source>
        <translation>Lagfilen %1 har ingen lag, så ingen trekning kan finne ett. Legg til lag i den, eller kontroller den med: %2 check</translation>
    </message>
</context>
<context>
    <name>TerminalOutput</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>A drawn club, then its division line: &quot;Ajax in Holland, Eredivisie (level 1)&quot;</extracomment>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>clubdraw::AboutWindow</name>
    <message>
        <source>by</source>
        <extracomment>Credits: &quot;by&quot; the people named below</extracomment>
        <translation>av</translation>
    </message>
    <message>
        <source>  The Clubdraw developers</source>
        <extracomment>Credit line; keep the two leading blanks</extracomment>
        <translation>  Clubdraw-utviklerne</translation>
    </message>
    <message>
        <source>  Free software under the GNU GPL,</source>
        <extracomment>Credit line; keep the two leading blanks</extracomment>
        <translation>  Fri programvare under GNU GPL,</translation>
    </message>
    <message>
        <source>  version 3 or later</source>
        <extracomment>Credit line; keep the two leading blanks</extracomment>
        <translation>  versjon 3 eller senere</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Clubdraw v. </source>
        <extracomment>Followed by the version, such as 3.00</extracomment>
        <translation>Clubdraw v. </translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Medvirkende</translation>
    </message>
    <message>
        <source>  No e-mail address yet (as of %1)</source>
        <extracomment>Credit line; keep the two leading blanks. %1 is the release&apos;s month, as 12/2026</extracomment>
        <translation>  Ingen e-postadresse ennå (per %1)</translation>
    </message>
</context>
<context>
    <name>clubdraw::CreditsWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button: hide this window</extracomment>
        <translation>Tilbake</translation>
    </message>
</context>
<context>
    <name>clubdraw::DivisionWindow</name>
    <message>
        <source>Clubdraw for Championship Manager 99/00</source>
        <translation>Clubdraw for Championship Manager 99/00</translation>
    </message>
    <message>
        <source>Clubdraw for CM99/00</source>
        <translation>Clubdraw for CM99/00</translation>
    </message>
    <message>
        <source>All divisions</source>
        <translation>Alle divisjoner</translation>
    </message>
    <message>
        <source>Selected divisions</source>
        <translation>Valgte divisjoner</translation>
    </message>
    <message>
        <source>Add the highlighted division</source>
        <translation>Legg til den markerte divisjonen</translation>
    </message>
    <message>
        <source>Add every division</source>
        <translation>Legg til alle divisjonene</translation>
    </message>
    <message>
        <source>Remove the highlighted division</source>
        <translation>Fjern den markerte divisjonen</translation>
    </message>
    <message>
        <source>Remove every division</source>
        <translation>Fjern alle divisjonene</translation>
    </message>
    <message>
        <source>Find random team</source>
        <translation>Trekk tilfeldig lag</translation>
    </message>
    <message>
        <source>Clear results</source>
        <translation>Tøm resultat</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button: hide this window and go back to the main window</extracomment>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>in :</source>
        <extracomment>Before the drawn club&apos;s division line</extracomment>
        <translation>i:</translation>
    </message>
</context>
<context>
    <name>clubdraw::LanguageMenu</name>
    <message>
        <source>Language</source>
        <extracomment>Menu of the three language entries</extracomment>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Takes effect the next time Clubdraw starts</source>
        <translation>Gjelder fra neste gang Clubdraw starter</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Følg systemet</translation>
    </message>
</context>
<context>
    <name>clubdraw::MainWindow</name>
    <message>
        <source>Clubdraw for Championship Manager 99/00</source>
        <translation>Clubdraw for Championship Manager 99/00</translation>
    </message>
    <message>
        <source>Clubdraw for CM99/00</source>
        <translation>Clubdraw for CM99/00</translation>
    </message>
    <message>
        <source>Select nation(s)</source>
        <translation>Velg land</translation>
    </message>
    <message>
        <source>Autumn/spring leagues</source>
        <translation>Høst/vår-serier</translation>
    </message>
    <message>
        <source>Spring/autumn leagues</source>
        <translation>Vår/høst-serier</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>South America</source>
        <translation>Sør-Amerika</translation>
    </message>
    <message>
        <source>All nations</source>
        <translation>Alle land</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Preset that unticks every nation</extracomment>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Choose database type</source>
        <translation>Velg databasetype</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The game&apos;s small database, of the top divisions only</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>The game&apos;s full database, every club</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Select single divisions</source>
        <translation>Velg enkeltdivisjoner</translation>
    </message>
    <message>
        <source>Find random team</source>
        <translation>Trekk tilfeldig lag</translation>
    </message>
    <message>
        <source>Clear results</source>
        <translation>Tøm resultat</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source> in :</source>
        <extracomment>Before the drawn club&apos;s division line; keep the leading blank</extracomment>
        <translation> i:</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Title of the menu holding the two credit windows</extracomment>
        <translation>Om</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Om...</translation>
    </message>
    <message>
        <source>Thanks to...</source>
        <translation>Takk til...</translation>
    </message>
    <message>
        <source>Extras</source>
        <extracomment>Title of the menu after &quot;About&quot; that holds what the program adds</extracomment>
        <translation>Ekstra</translation>
    </message>
    <message>
        <source>Several managers…</source>
        <translation>Flere managere…</translation>
    </message>
</context>
<context>
    <name>clubdraw::ManagersWindow</name>
    <message>
        <source>Several managers</source>
        <extracomment>Title of the window where several managers draw a club each</extracomment>
        <translation>Flere managere</translation>
    </message>
    <message>
        <source>Read the list again</source>
        <translation>Les listen på nytt</translation>
    </message>
    <message>
        <source>Managers</source>
        <translation>Managere</translation>
    </message>
    <message>
        <source>Managers and their clubs</source>
        <translation>Managere og lagene deres</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisjon</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Column of the rows a new draw leaves as they are</extracomment>
        <translation>Behold</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Accessible name of the table&apos;s row of column titles</extracomment>
        <translation>Kolonner</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Flytt opp</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Flytt ned</translation>
    </message>
    <message>
        <source>Leave this club out</source>
        <translation>Utelat dette laget</translation>
    </message>
    <message>
        <source>Add a manager at the end (Insert)</source>
        <translation>Legg til en manager nederst (Insert)</translation>
    </message>
    <message>
        <source>Rename the highlighted manager (F2)</source>
        <translation>Gi den markerte manageren nytt navn (F2)</translation>
    </message>
    <message>
        <source>Remove the highlighted manager (Delete)</source>
        <translation>Fjern den markerte manageren (Delete)</translation>
    </message>
    <message>
        <source>Move the highlighted manager up (Ctrl+Up)</source>
        <translation>Flytt den markerte manageren opp (Ctrl+Pil opp)</translation>
    </message>
    <message>
        <source>Move the highlighted manager down (Ctrl+Down)</source>
        <translation>Flytt den markerte manageren ned (Ctrl+Pil ned)</translation>
    </message>
    <message>
        <source>Leave the highlighted manager&apos;s club out of every draw from now on</source>
        <translation>Utelat laget til den markerte manageren fra alle trekninger heretter</translation>
    </message>
    <message>
        <source>Where the clubs come from</source>
        <translation>Hvor lagene hentes fra</translation>
    </message>
    <message>
        <source>The nations ticked in the main window</source>
        <translation>Landene som er krysset av i hovedvinduet</translation>
    </message>
    <message>
        <source>The divisions selected in the division window</source>
        <translation>Divisjonene som er valgt i divisjonsvinduet</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Trekk</translation>
    </message>
    <message>
        <source>for example “Round 1, 10 December”</source>
        <extracomment>Example of words the players agree on before a draw</extracomment>
        <translation>for eksempel «Runde 1, 10. desember»</translation>
    </message>
    <message>
        <source>Optional: words agreed before the draw; the same words draw the same clubs</source>
        <translation>Valgfritt: ord dere er enige om før trekningen; de samme ordene trekker de samme lagene</translation>
    </message>
    <message>
        <source>Agreed words:</source>
        <translation>Avtalte ord:</translation>
    </message>
    <message>
        <source>Draw again</source>
        <translation>Trekk på nytt</translation>
    </message>
    <message>
        <source>Draw new clubs for the rows not kept</source>
        <translation>Trekk nye lag til radene som ikke beholdes</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Show every club at once (Esc)</source>
        <translation>Vis alle lagene med en gang (Esc)</translation>
    </message>
    <message>
        <source>Copy the result</source>
        <translation>Kopier resultatet</translation>
    </message>
    <message>
        <source>The code of the latest draw; type another code and replay it</source>
        <translation>Koden til den siste trekningen; skriv inn en annen kode og spill den av på nytt</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Kopier koden</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Spill av</translation>
    </message>
    <message>
        <source>Draw again what the code says</source>
        <translation>Trekk på nytt det koden sier</translation>
    </message>
    <message>
        <source>Draw code:</source>
        <translation>Trekningskode:</translation>
    </message>
    <message>
        <source>Clubs left out…</source>
        <translation>Utelatte lag…</translation>
    </message>
    <message>
        <source>Clubs left out</source>
        <translation>Utelatte lag</translation>
    </message>
    <message>
        <source>Search the catalogue:</source>
        <translation>Søk i lagfilen:</translation>
    </message>
    <message>
        <source>Clubs of the catalogue</source>
        <translation>Lagene i lagfilen</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Utelat</translation>
    </message>
    <message>
        <source>Leave the highlighted club out</source>
        <translation>Utelat det markerte laget</translation>
    </message>
    <message>
        <source>Left out of every draw:</source>
        <translation>Utelatt fra alle trekninger:</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Ta med igjen</translation>
    </message>
    <message>
        <source>Let the highlighted club be drawn again</source>
        <translation>La det markerte laget kunne trekkes igjen</translation>
    </message>
    <message>
        <source>The list of clubs left out cannot be read, so no club is left out until it is mended; it stays as it is. %1</source>
        <translation>Listen over utelatte lag kan ikke leses, så ingen lag utelates før den er rettet; den blir stående som den er. %1</translation>
    </message>
    <message>
        <source>No nation is ticked in the main window.</source>
        <translation>Ingen land er krysset av i hovedvinduet.</translation>
    </message>
    <message>
        <source>No division is selected in the division window.</source>
        <translation>Ingen divisjon er valgt i divisjonsvinduet.</translation>
    </message>
    <message numerus="yes">
        <source>%n club(s) to draw from, those left out not counted.</source>
        <translation>
            <numerusform>%n lag å trekke fra, de utelatte ikke medregnet.</numerusform>
            <numerusform>%n lag å trekke fra, de utelatte ikke medregnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every row is kept: there is nothing to draw.</source>
        <translation>Alle radene beholdes: det er ingenting å trekke.</translation>
    </message>
    <message>
        <source>Only one club to draw from, and a draw needs two or more: nothing was drawn.</source>
        <translation>Bare ett lag å trekke fra, og en trekning trenger minst to: ingenting ble trukket.</translation>
    </message>
    <message>
        <source>Only %1 to draw from for %2: nothing was drawn.</source>
        <translation>Bare %1 å trekke fra til %2: ingenting ble trukket.</translation>
    </message>
    <message numerus="yes">
        <source>%n club(s)</source>
        <translation>
            <numerusform>%n lag</numerusform>
            <numerusform>%n lag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n manager(s)</source>
        <translation>
            <numerusform>%n manager</numerusform>
            <numerusform>%n managere</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep %1&apos;s club</source>
        <extracomment>Accessible name of a row&apos;s keep box</extracomment>
        <translation>Behold laget til %1</translation>
    </message>
    <message>
        <source>%1 – not found</source>
        <extracomment>A club left out that the catalogue in use does not hold</extracomment>
        <translation>%1 – ikke funnet</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A club and its nation in the lists of clubs left out</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The draw</source>
        <translation>Trekningen</translation>
    </message>
</context>
<context>
    <name>clubdraw::ResultPanel</name>
    <message>
        <source>Result</source>
        <extracomment>Accessible name of the area that shows the drawn club</extracomment>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Your team</source>
        <translation>Ditt lag</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisjon</translation>
    </message>
    <message>
        <source>Your team is :</source>
        <extracomment>Before the drawn club&apos;s name</extracomment>
        <translation>Ditt lag er:</translation>
    </message>
</context>
<context>
    <name>clubdraw::ThanksWindow</name>
    <message>
        <source>The Qt Project</source>
        <translation>Qt-prosjektet</translation>
    </message>
    <message>
        <source>for the Qt toolkit</source>
        <translation>for verktøysettet Qt</translation>
    </message>
    <message>
        <source>The Debian Project</source>
        <translation>Debian-prosjektet</translation>
    </message>
    <message>
        <source>for the system it is built on</source>
        <translation>for systemet Clubdraw bygger på</translation>
    </message>
    <message>
        <source>Every player who reports a fault</source>
        <translation>Alle spillere som melder feil</translation>
    </message>
    <message>
        <source>for making Clubdraw better</source>
        <translation>for at de gjør Clubdraw bedre</translation>
    </message>
    <message>
        <source>Thanks to</source>
        <translation>Takk til</translation>
    </message>
    <message>
        <source>Thanks to :</source>
        <translation>Takk til:</translation>
    </message>
</context>
</TS>
