<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CatalogueCheck</name>
    <message numerus="yes">
        <source>the line has %n field(s), the last one empty: remove the comma at its end</source>
        <translation>
            <numerusform>the line has %n field, the last one empty: remove the comma at its end</numerusform>
            <numerusform>the line has %n fields, the last one empty: remove the comma at its end</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the line has %n field(s), not whole records of five; every record after it is shifted</source>
        <translation>
            <numerusform>the line has %n field, not whole records of five; every record after it is shifted</numerusform>
            <numerusform>the line has %n fields, not whole records of five; every record after it is shifted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the nation %1 is none of the main window&apos;s sixteen, so its %n club(s) never drawn by nation%2</source>
        <extracomment>%1 is the nation; %2 is empty or &quot;; did you mean ...?&quot;</extracomment>
        <translation>
            <numerusform>the nation %1 is none of the main window&apos;s sixteen, so its club is never drawn by nation%2</numerusform>
            <numerusform>the nation %1 is none of the main window&apos;s sixteen, so its %n clubs are never drawn by nation%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n club(s)</source>
        <translation>
            <numerusform>%n club</numerusform>
            <numerusform>%n clubs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nation(s)</source>
        <translation>
            <numerusform>%n nation</numerusform>
            <numerusform>%n nations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n division(s)</source>
        <translation>
            <numerusform>%n division</numerusform>
            <numerusform>%n divisions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n more club(s) past the limit of %2 do not load</source>
        <extracomment>%1 is the file, %2 the most clubs that load</extracomment>
        <translation>
            <numerusform>%1: %n more club past the limit of %2 does not load</numerusform>
            <numerusform>%1: %n more clubs past the limit of %2 do not load</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DrawCommand</name>
    <message numerus="yes">
        <source>only %n club(s) to draw from, fewer than --count %1</source>
        <translation>
            <numerusform>only %n club to draw from, fewer than --count %1</numerusform>
            <numerusform>only %n clubs to draw from, fewer than --count %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n club(s) to draw from; a draw needs at least %1</source>
        <translation>
            <numerusform>only %n club to draw from; a draw needs at least %1</numerusform>
            <numerusform>only %n clubs to draw from; a draw needs at least %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; with --normal there are %n</source>
        <translation>
            <numerusform>; with --normal there is %n</numerusform>
            <numerusform>; with --normal there are %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the code is for %n manager(s), not %1</source>
        <translation>
            <numerusform>the code is for %n manager, not %1</numerusform>
            <numerusform>the code is for %n managers, not %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>only %n club(s) to draw from, fewer than the %1 rows</source>
        <translation>
            <numerusform>only %n club to draw from, fewer than the %1 rows</numerusform>
            <numerusform>only %n clubs to draw from, fewer than the %1 rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message numerus="yes">
        <source>%n club(s)</source>
        <translation>
            <numerusform>%n club</numerusform>
            <numerusform>%n clubs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunError</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clubdraw::ManagersWindow</name>
    <message numerus="yes">
        <source>%n club(s) to draw from, those left out not counted.</source>
        <translation>
            <numerusform>%n club to draw from, those left out not counted.</numerusform>
            <numerusform>%n clubs to draw from, those left out not counted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n club(s)</source>
        <translation>
            <numerusform>%n club</numerusform>
            <numerusform>%n clubs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n manager(s)</source>
        <translation>
            <numerusform>%n manager</numerusform>
            <numerusform>%n managers</numerusform>
        </translation>
    </message>
</context>
</TS>
