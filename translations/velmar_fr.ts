<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Options de la radio</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Options de la radio</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Ce que signifie chaque option de la radio. Les textes entre guillemets sont ceux du dialogue lui-même ; la radio enregistre chaque choix sous forme d&apos;un code.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Envoyés…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importer des canaux (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>E&amp;xporter les canaux (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Propri&amp;étés…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Exporter la &amp;fiche des canaux…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Im&amp;primer la fiche des canaux…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Autre périphérique…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Trouver mon câble…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>C&amp;anaux</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Remplir le groupe avec</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>&amp;Vider le groupe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Co&amp;mparer avec…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Comparer avec le &amp;dernier envoi</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>&amp;Copier le groupe</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>Co&amp;ller le groupe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Tous les canaux</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Messages</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Écraser</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Fusionner dans les emplacements du fichier</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Remplacer &amp;tous les canaux</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Réglages Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Listes de canaux (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Ouvrir un réglage</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Enregistrer le réglage sous</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les canaux</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Ouvrir un réglage envoyé</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Exporter la fiche des canaux</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes :</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>Le titre, les notes et les noms des canaux voyagent avec le fichier de réglage et figurent sur la fiche des canaux ; la radio ne les enregistre pas.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Fiche des canaux</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Aucun canal n&apos;a de fréquence.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>Dans ce mode, la radio utilise ses propres canaux : les groupes ci-dessous ne servent qu&apos;une fois « GRUOP » choisi.</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Déconnectez pour changer de port : le port utilisé reste en place jusque-là.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Autre périphérique</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Le périphérique que désigne COM1 (un périphérique série, un pseudo-terminal ou un lien vers l&apos;un d&apos;eux) :</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Trouver mon câble</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>ouvert, la ligne a raccroché</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Progression de l&apos;envoi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçus</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Fermeture après l&apos;envoi…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD et PMR + LPD utilisent les canaux propres de la radio : choisissez « GRUOP » pour programmer les groupes.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>Les canaux se programment dans le mode « GRUOP ».</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tous les canaux</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Identique à</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>&amp;Vérifier le réglage</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Vérifier le réglage</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Rien à signaler : chaque canal est un canal PMR446 ou LPD433 dans un groupe de son espacement, et aucun groupe ne contient deux fois la même fréquence.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Rien à vérifier : dans ce mode, la radio utilise ses propres canaux, pas les groupes.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Aucun envoi que la radio aurait pu prendre n&apos;a encore été conservé : l&apos;historique des réglages envoyés est vide.</translation>
    </message>
</context>
</TS>
