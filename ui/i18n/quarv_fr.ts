<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Super, tu as réussi!</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Veux-tu vraiment arrêter?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Veux-tu vraiment abandonner le jeu?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
