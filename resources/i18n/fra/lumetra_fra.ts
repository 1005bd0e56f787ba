<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LMDocumentFile</name>
    <message>
        <source>The fine detail of this design could not be read; it opens at standard detail.</source>
        <translation>Le détail fin de ce modèle n'a pas pu être lu ; il s'ouvre en détail standard.</translation>
    </message>
    <message>
        <source>The frame text's separator could not be read; the usual gap is used.</source>
        <translation>Le séparateur du texte du cadre n'a pas pu être lu ; l'espacement habituel est utilisé.</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerBorderSetting</name>
    <message>
        <source>Drawn at size %1: the most a thin strip holds.</source>
        <translation>Dessiné en taille %1 : le maximum pour une bande fine.</translation>
    </message>
    <message>
        <source>Drawn at size %1: the most a thick strip holds.</source>
        <translation>Dessiné en taille %1 : le maximum pour une bande épaisse.</translation>
    </message>
    <message>
        <source>Between repeats:</source>
        <translation>Entre les répétitions :</translation>
    </message>
    <message>
        <source>two spaces</source>
        <translation>deux espaces</translation>
    </message>
    <message>
        <source>What stands between repeats of the text, along the frame and on the strips, for example " · ". Empty: a gap of two spaces.</source>
        <translation>Ce qui sépare les répétitions du texte, le long du cadre et sur les bandes, par exemple « · ». Vide : un écart de deux espaces.</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Aucun côté de ce cadre ne peut contenir le texte entier à cette taille : choisissez une taille plus petite ou un texte plus court.</translation>
    </message>
</context>
<context>
    <name>LMMainWidget</name>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Fine draws the page at about 300 dpi, sharp in print; Standard at 76 dpi, as older designs are.</source>
        <translation>Fin dessine la page à environ 300 ppp, net à l'impression ; Standard à 76 ppp, comme les anciens modèles.</translation>
    </message>
</context>
</TS>
