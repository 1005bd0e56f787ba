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
    <message>
        <source>The page is %1 x %2 pixels, larger than any paper.</source>
        <translation>La page fait %1 x %2 pixels, plus grande que tout papier.</translation>
    </message>
    <message>
        <source>The list of names could not be read; the design opens without it.</source>
        <translation>La liste de noms n'a pas pu être lue ; le modèle s'ouvre sans elle.</translation>
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
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>No side of this frame holds the whole text at this size: choose a smaller size or a shorter text.</source>
        <translation>Aucun côté de ce cadre ne peut contenir le texte entier à cette taille : choisissez une taille plus petite ou un texte plus court.</translation>
    </message>
    <message>
        <source>Names…</source>
        <translation>Noms…</translation>
    </message>
    <message>
        <source>A list of names, one for each insert, each in place of the frame text</source>
        <translation>Une liste de noms, un par encart, chacun à la place du texte du cadre</translation>
    </message>
    <message>
        <source>Names: %1. Each insert takes one of them in place of the frame text; the first is shown here.</source>
        <translation>Noms : %1. Chaque encart en reçoit un à la place du texte du cadre ; le premier est affiché ici.</translation>
    </message>
    <message>
        <source>Names (%1)…</source>
        <translation>Noms (%1)…</translation>
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
    <message>
        <source>Print Preview…</source>
        <translation>Aperçu avant impression…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Moves the whole printout, for printers that shift the page</source>
        <translation>Déplace toute l'impression, pour les imprimantes qui décalent la page</translation>
    </message>
    <message>
        <source>Lumetra ended without saving a design you were working on. A copy of it was kept at %1.

Restore it?</source>
        <translation>Lumetra s'est fermé sans enregistrer un modèle sur lequel vous travailliez. Une copie en a été conservée le %1.

Le restaurer ?</translation>
    </message>
    <message>
        <source>Lumetra File and pictures</source>
        <translation>Fichiers Lumetra et images</translation>
    </message>
    <message>
        <source>Lumetra File</source>
        <translation>Fichier Lumetra</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Add text along an arc: drag a field, then type. The letters follow an arc over the field's top, and the field widens to hold them all.</source>
        <translation>Ajouter du texte en arc : tracez un champ, puis tapez. Les lettres suivent un arc au-dessus du champ, et le champ s'élargit pour toutes les contenir.</translation>
    </message>
    <message>
        <source>%1 per sheet, 1 sheet</source>
        <translation>%1 par feuille, 1 feuille</translation>
    </message>
    <message>
        <source>%1 per sheet, %2 sheets</source>
        <translation>%1 par feuille, %2 feuilles</translation>
    </message>
    <message>
        <source>One insert, one sheet</source>
        <translation>Un encart, une feuille</translation>
    </message>
    <message>
        <source>%1 inserts, one per sheet</source>
        <translation>%1 encarts, un par feuille</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>One insert per sheet</source>
        <translation>Un encart par feuille</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerArtFrameSetting</name>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerTextSetting</name>
    <message>
        <source>Rotate Text</source>
        <translation>Pivoter le texte</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerPaddingSetting</name>
    <message>
        <source> Inch</source>
        <translation> pouce</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>%1: from 0 to %2 on this paper.</source>
        <translation>%1 : de 0 à %2 sur ce papier.</translation>
    </message>
</context>
<context>
    <name>LMFiles</name>
    <message>
        <source>The picture is %1 x %2 pixels; Lumetra opens pictures of up to %3 megapixels.</source>
        <translation>L'image fait %1 x %2 pixels ; Lumetra ouvre les images jusqu'à %3 mégapixels.</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Image bitmap</translation>
    </message>
    <message>
        <source>Lumetra writes no "%1" images.</source>
        <translation>Lumetra n'écrit pas d'images « %1 ».</translation>
    </message>
</context>
<context>
    <name>LMPrinting</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>L'imprimante n'a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossible d'écrire %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <source>The printer reported an error; the page may not have been printed.</source>
        <translation>L'imprimante a signalé une erreur ; la page n'a peut-être pas été imprimée.</translation>
    </message>
    <message>
        <source>The sheet is too small for one insert within its margins.</source>
        <translation>La feuille est trop petite pour un encart dans ses marges.</translation>
    </message>
</context>
<context>
    <name>LMCommandLine</name>
    <message>
        <source>%1: this file name is not valid UTF-8, so Lumetra can not open or write that file; rename it</source>
        <translation>%1 : ce nom de fichier n'est pas en UTF-8 valide, Lumetra ne peut donc ni ouvrir ni écrire ce fichier ; renommez-le</translation>
    </message>
    <message>
        <source>not a file type Lumetra writes: end the name in .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</source>
        <translation>pas un type de fichier que Lumetra écrit : terminez le nom par .lmx, .pdf, .png, .jpg, .bmp, .tiff ...</translation>
    </message>
    <message>
        <source>Lumetra %1 is available (this is %2)</source>
        <translation>Lumetra %1 est disponible (celle-ci est la %2)</translation>
    </message>
    <message>
        <source>Lumetra %1 is the latest version</source>
        <translation>Lumetra %1 est la dernière version</translation>
    </message>
    <message>
        <source>update check failed: %1</source>
        <translation>échec de la recherche de mise à jour : %1</translation>
    </message>
    <message>
        <source>the list of names could not be read: %1</source>
        <translation>la liste de noms n'a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>the list of names is not UTF-8 text; save it as UTF-8</source>
        <translation>la liste de noms n'est pas un texte UTF-8 ; enregistrez-la en UTF-8</translation>
    </message>
    <message>
        <source>the list of names holds no name</source>
        <translation>la liste de noms ne contient aucun nom</translation>
    </message>
    <message>
        <source>the design shows no frame text, so no name would show; switch its frame and frame text on</source>
        <translation>le modèle n'affiche aucun texte de cadre, aucun nom n'apparaîtrait donc ; activez le cadre et son texte</translation>
    </message>
</context>
<context>
    <name>LMUpdateTexts</name>
    <message>
        <source>Please Click 'Check' button for checking version</source>
        <translation>Cliquez sur « Vérifier » pour rechercher une nouvelle version</translation>
    </message>
    <message>
        <source>Logged onto server.</source>
        <translation>Connecté au serveur.</translation>
    </message>
    <message>
        <source>Downloaded %1.</source>
        <translation>%1 téléchargé.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started. Lumetra keeps running.</source>
        <translation>Le programme d'installation %1 n'a pas pu être lancé. Lumetra reste ouvert.</translation>
    </message>
    <message>
        <source>The update was cancelled; your work is still open.</source>
        <translation>La mise à jour a été annulée ; votre travail est toujours ouvert.</translation>
    </message>
    <message>
        <source>No update server is set up for this installation.</source>
        <translation>Aucun serveur de mise à jour n'est configuré pour cette installation.</translation>
    </message>
    <message>
        <source>The update server's address is not a valid ftp:// address.</source>
        <translation>L'adresse du serveur de mise à jour n'est pas une adresse ftp:// valide.</translation>
    </message>
    <message>
        <source>The update server refused the login.</source>
        <translation>Le serveur de mise à jour a refusé la connexion.</translation>
    </message>
    <message>
        <source>%1 is not on the update server.</source>
        <translation>%1 n'est pas sur le serveur de mise à jour.</translation>
    </message>
    <message>
        <source>The update server's certificate is not trusted.</source>
        <translation>Le certificat du serveur de mise à jour n'est pas approuvé.</translation>
    </message>
    <message>
        <source>The transfer of %1 broke off.</source>
        <translation>Le transfert de %1 s'est interrompu.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete and was deleted.</source>
        <translation>%1 est arrivé incomplet et a été supprimé.</translation>
    </message>
    <message>
        <source>The update server stopped answering.</source>
        <translation>Le serveur de mise à jour ne répond plus.</translation>
    </message>
    <message>
        <source>Unable to save the file %1.</source>
        <translation>Impossible d'enregistrer le fichier %1.</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Téléchargement de %1 annulé.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d'espace disponible sur le périphérique</translation>
    </message>
</context>
<context>
    <name>LMSaveDialog</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>LMFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>LMUnits</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in</source>
        <translation>po</translation>
    </message>
</context>
<context>
    <name>LMScreenMsgHandlerDashedLineRectangle</name>
    <message>
        <source>x %1  y %2   %3 × %4 %5</source>
        <translation>x %1  y %2   %3 × %4 %5</translation>
    </message>
</context>
<context>
    <name>ArtFrameButton</name>
    <message>
        <source>%1: %2 × %3 %4</source>
        <translation>%1 : %2 × %3 %4</translation>
    </message>
</context>
<context>
    <name>LMNamesDialog</name>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>One name per line. Each name takes the frame text's place on an insert of its own.</source>
        <translation>Un nom par ligne. Chaque nom remplace le texte du cadre sur son propre encart.</translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nom</numerusform>
            <numerusform>%n noms</numerusform>
        </translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text. Save it as UTF-8 (for a spreadsheet: CSV UTF-8) and load it again.</source>
        <translation>Le fichier %1 n'est pas un texte UTF-8. Enregistrez-le en UTF-8 (dans un tableur : CSV UTF-8), puis chargez-le à nouveau.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Lists of names</source>
        <translation>Listes de noms</translation>
    </message>
</context>
</TS>
