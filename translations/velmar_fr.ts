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
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Les canaux qu&apos;utilise la radio. « PMR », « LPD » et « PMR + LPD » utilisent les canaux PMR446, les canaux LPD433 ou les deux propres à la radio ; « GRUOP » (groupe) utilise les huit groupes de huit canaux programmés ici, et lui seul ouvre les champs des canaux.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>Le groupe affiché dans CH1 à CH8. La radio a huit groupes, de A à H, de huit canaux chacun ; tous les groupes sont envoyés, pas seulement celui affiché.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>L&apos;espacement des canaux du groupe affiché, propre à chaque groupe : « 12.5Khz » (étroit, comme les canaux PMR446) ou « 25Khz » (large, comme l&apos;espacement des canaux LPD433).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Délai de balayage : selon le terme radio habituel, combien de temps un balayage reste sur un canal occupé avant de reprendre. « OFF », ou de 1 à 60 secondes.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Une durée pour la touche d&apos;émission (PTT) : « OFF », ou de 5 à 60 secondes. Ce que la radio minute avec elle n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Verrouillage sur canal occupé (BCLO), selon le terme radio habituel : la radio n&apos;émet pas sur un canal déjà utilisé. « OFF », « CA On », « CT On » ou « DT On » ; ce sur quoi chacun des trois derniers juge un canal occupé n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Limitation du temps d&apos;émission (TOT) : la durée maximale d&apos;émission pour un appui sur la touche PTT. « OFF », ou de 15 à 240 secondes.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (émission commandée par la voix) : combien de temps une voix doit être entendue avant que la radio commence à émettre. De 0 à 200 millisecondes.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (émission commandée par la voix) : combien de temps la radio continue d&apos;émettre après que la voix s&apos;est tue. De 0,5 à 2,0 secondes.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Combien de temps une touche doit être tenue pour compter comme un appui long : 0,5, 1,0 ou 2,0 secondes.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Économie de batterie (power save) : tant que le canal est calme, la radio n&apos;écoute qu&apos;une partie du temps. Les valeurs sont les rapports « 0.0 : 0.0 », « 1.0 : 1.0 », « 1.5 : 1.0 » et « 2.0 : 1.0 » ; quel côté d&apos;un rapport est le sommeil n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, les tonalités subaudibles que les radios PMR446 appellent codes de confidentialité : l&apos;ensemble des tonalités que propose la radio. « Disable », codes « 1 - 38 » ou codes « 1 - 50 ».</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (squelch codé numérique) : l&apos;ensemble des codes que propose la radio. « Disable », codes « 1 - 83 » ou codes « 1 - 104 ».</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>« On » ou « Off ». Ce que la radio en fait n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>De « 410Mhz » à « 490Mhz », par pas de 10 MHz. Ce que la radio fait de ce choix n&apos;est pas documenté, donc Velmar n&apos;en juge pas les canaux ; les canaux eux-mêmes peuvent être n&apos;importe où entre 400 et 500 MHz.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>enregistrement de l&apos;envoi du %1, somme de contrôle %2 (interrompu : la radio ne l&apos;a peut-être pas)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>enregistrement de l&apos;envoi du %1, somme de contrôle %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Débranchez maintenant le câble de programmation de la radio, ou branchez-le ; s&apos;il était débranché, rebranchez-le. Velmar surveille les ports série pendant %Ln seconde.</numerusform>
            <numerusform>Débranchez maintenant le câble de programmation de la radio, ou branchez-le ; s&apos;il était débranché, rebranchez-le. Velmar surveille les ports série pendant %Ln secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (absent pour l&apos;instant)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (un pseudo-terminal)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (la radio simulée)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Câble trouvé : COM1 est maintenant %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>Rien n&apos;a changé : aucun port série n&apos;est apparu ni revenu en %Ln seconde. COM1 reste %1.</numerusform>
            <numerusform>Rien n&apos;a changé : aucun port série n&apos;est apparu ni revenu en %Ln secondes. COM1 reste %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 a disparu et n&apos;est pas revenu en %Ln seconde. Branchez le câble et réessayez. COM1 reste %2.</numerusform>
            <numerusform>%1 a disparu et n&apos;est pas revenu en %Ln secondes. Branchez le câble et réessayez. COM1 reste %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Aucun port série n&apos;est présent pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Ports série présents :</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 sur %2 octets, encore %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>%1 octets envoyés, somme de contrôle %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>%1 octets envoyés, somme de contrôle %2, mais %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>%1 octets envoyés sur %2 : %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Reçus : %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Reçus : %1 : %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1 : %2 complété en %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1 : %2 est hors de 400 à 500 MHz, effacé</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1 : %2 ramené à %3 (pas de 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1 : %2 n&apos;est pas une fréquence (trois chiffres, un point, cinq chiffres), effacé</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 affiche « %3 », qui n&apos;est pas une fréquence pouvant être envoyée. Complétez-la (neuf caractères, comme 446.10000) ou effacez-la, puis réessayez.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Veuillez saisir au plus %Ln caractère.</numerusform>
            <numerusform>Veuillez saisir au plus %Ln caractères.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 contient %Ln canal. Le remplacer par %2 ?</numerusform>
            <numerusform>%1 contient %Ln canaux. Les remplacer par %2 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 canal %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 canaux %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 sont tous deux %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 sont tous %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln things to look at before a Send; they do not stop it:</source>
        <comment>%Ln thing to look at before a Send; it does not stop it:</comment>
        <translation>
            <numerusform>%Ln point à examiner avant un envoi ; il ne l&apos;empêche pas :</numerusform>
            <numerusform>%Ln points à examiner avant un envoi ; ils ne l&apos;empêchent pas :</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1 : %2 est un canal PMR446 (large de 12,5 kHz) dans un groupe 25Khz : réglez %1 sur 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1 : %2 sont des canaux PMR446 (larges de 12,5 kHz) dans un groupe 25Khz : réglez %1 sur 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1 : %2 est un canal LPD433 (large de 25 kHz) dans un groupe 12.5Khz : réglez %1 sur 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1 : %2 sont des canaux LPD433 (larges de 25 kHz) dans un groupe 12.5Khz : réglez %1 sur 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1 : %2 est hors des canaux libres de licence (PMR446 : 446.00625 à 446.19375 MHz ; LPD433 : 433.07500 à 434.77500 MHz), pour information.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1 : %2 sont hors des canaux libres de licence (PMR446 : 446.00625 à 446.19375 MHz ; LPD433 : 433.07500 à 434.77500 MHz), pour information.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Avant un envoi : %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Avant un envoi (1 sur %1, tous dans Édition &gt; Vérifier le réglage) : %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Espacement des canaux de %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Nom de %1 de %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Remplir le groupe %1</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Vider le groupe %1</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Coller le groupe %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2 : %3 est hors de 400 à 500 MHz, non pris</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2 : %3 n&apos;est pas une fréquence, non pris</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2 : %3 ramené à %4 (pas de 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2 : %3 complété en %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>Le titre a plus de %Ln caractère : raccourcissez-le pour le garder.</numerusform>
            <numerusform>Le titre a plus de %Ln caractères : raccourcissez-le pour le garder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>Les notes ont plus de %Ln caractère : raccourcissez-les pour les garder.</numerusform>
            <numerusform>Les notes ont plus de %Ln caractères : raccourcissez-les pour les garder.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>Le titre contient un caractère de contrôle : retirez-le pour garder le titre.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>Les notes contiennent un caractère de contrôle : retirez-le pour garder les notes.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Fait le %1 avec Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Fiche des canaux écrite dans %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>il n&apos;y a aucune police pour l&apos;écrire : installez %1 (le paquet fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>La fiche des canaux n&apos;a pas été écrite : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2 : un nom a au plus %Ln caractère, non pris</numerusform>
            <numerusform>%1 %2 : un nom a au plus %Ln caractères, non pris</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2 : un nom ne contient pas de caractères de contrôle, non pris</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 passe de %2 à %3 : %4 de ses lignes disent FM, %5 disent NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 passe de %2 à %3 : ses lignes disent FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 passe de %2 à %3 : ses lignes disent NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>identique : c&apos;est ce que la radio a reçu le %1</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>identique : le réglage affiché est %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln différence de %1 au réglage affiché : voir les détails.</numerusform>
            <numerusform>%Ln différences de %1 au réglage affiché : voir les détails.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 nom</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Copie de %1 ouverte : Enregistrer demande un nouveau fichier</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Canaux exportés dans %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>Le réglage a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>%1 a été modifié par un autre programme depuis que Velmar l&apos;a ouvert ou enregistré. Écraser ces modifications avec le réglage affiché, ou l&apos;enregistrer sous un autre fichier ?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 est une liste de canaux (CSV), pas un fichier de réglage. Importer ses canaux dans le réglage affiché ?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>Non mémorisé : %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>Aucun fichier récent : %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>Non conservé dans l&apos;historique des réglages envoyés : %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Modifications non enregistrées non protégées contre un plantage : %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>aucun canal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln canal dans 1 groupe</numerusform>
            <numerusform>%Ln canaux dans 1 groupe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln canal dans %1 groupes</numerusform>
            <numerusform>%Ln canaux dans %1 groupes</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar s&apos;est arrêté à %1 sans enregistrer les modifications d&apos;un réglage (%2). Les restaurer ?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar s&apos;est arrêté à %1 sans enregistrer les modifications de %2 (%3). Les restaurer ?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 sur %2 fenêtres) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>Modifications non enregistrées d&apos;un réglage restaurées</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>Modifications non enregistrées de %1 restaurées</translation>
    </message>
    <message>
        <source>%1: permission denied. Your user must be in the group that owns the device, &quot;%2&quot; (for example: sudo usermod -aG %2 $USER), and log in again.</source>
        <translation>%1 : permission refusée. Votre utilisateur doit faire partie du groupe propriétaire du périphérique, « %2 » (par exemple : sudo usermod -aG %2 $USER), puis se reconnecter.</translation>
    </message>
    <message>
        <source>%1: permission denied. Only root may open this device. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1 : permission refusée. Seul root peut ouvrir ce périphérique. Demandez à l&apos;administrateur une règle udev qui le donne au groupe « dialout » (par exemple un fichier /etc/udev/rules.d/50-velmar.rules avec la ligne %2), rejoignez ce groupe (sudo usermod -aG dialout $USER) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device belongs to the group &quot;%2&quot;, which gives its members much more than this device: do not join it. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1 : permission refusée. Le périphérique appartient au groupe « %2 », qui donne à ses membres bien plus que ce périphérique : ne le rejoignez pas. Demandez à l&apos;administrateur une règle udev qui le donne au groupe « dialout » (par exemple un fichier /etc/udev/rules.d/50-velmar.rules avec la ligne %3), rejoignez ce groupe (sudo usermod -aG dialout $USER) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>it is open in this program</source>
        <translation>il est ouvert dans ce programme</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>un autre programme le détient</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>0 baud is not a speed</source>
        <translation>0 baud n&apos;est pas une vitesse</translation>
    </message>
    <message>
        <source>%1 baud is not a speed this system can set</source>
        <translation>%1 bauds n&apos;est pas une vitesse que ce système peut régler</translation>
    </message>
    <message>
        <source>%1 data bits are not possible (5 to 8 are)</source>
        <translation>%1 bits de données ne sont pas possibles (de 5 à 8 le sont)</translation>
    </message>
    <message>
        <source>one and a half stop bits are not available on this system</source>
        <translation>un bit et demi d&apos;arrêt n&apos;est pas disponible sur ce système</translation>
    </message>
    <message>
        <source>stop-bits code %1 is unknown (0 = one, 2 = two)</source>
        <translation>le code de bits d&apos;arrêt %1 est inconnu (0 = un, 2 = deux)</translation>
    </message>
    <message>
        <source>parity code %1 is unknown (0 to 4 are)</source>
        <translation>le code de parité %1 est inconnu (de 0 à 4 sont connus)</translation>
    </message>
    <message>
        <source>the driver did not keep %1 baud</source>
        <translation>le pilote n&apos;a pas gardé %1 bauds</translation>
    </message>
    <message>
        <source>the driver did not keep %1 data bits</source>
        <translation>le pilote n&apos;a pas gardé %1 bits de données</translation>
    </message>
    <message>
        <source>the driver did not keep the stop bits</source>
        <translation>le pilote n&apos;a pas gardé les bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>the driver did not keep parity code %1</source>
        <translation>le pilote n&apos;a pas gardé le code de parité %1</translation>
    </message>
    <message>
        <source>the driver did not turn flow control off</source>
        <translation>le pilote n&apos;a pas désactivé le contrôle de flux</translation>
    </message>
    <message>
        <source>the driver did not keep raw mode</source>
        <translation>le pilote n&apos;a pas gardé le mode brut</translation>
    </message>
    <message>
        <source>no watch thread could be started</source>
        <translation>aucun fil de surveillance n&apos;a pu être lancé</translation>
    </message>
    <message>
        <source>%1: no such device (%2).</source>
        <translation>%1 : périphérique introuvable (%2).</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 est occupé : %2.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and connect again.</source>
        <translation>%1 est occupé : un autre programme le détient. Fermez ce programme et reconnectez.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 n&apos;est pas un périphérique série.</translation>
    </message>
    <message>
        <source>%1: the line settings were refused: %2.</source>
        <translation>%1 : les réglages de ligne ont été refusés : %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: the system is out of resources (%2).</source>
        <translation>%1 n&apos;a pas pu être ouvert : le système manque de ressources (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 n&apos;a pas pu être ouvert : %2.</translation>
    </message>
    <message>
        <source>the whole frame was sent</source>
        <translation>la trame entière a été envoyée</translation>
    </message>
    <message>
        <source>the line hung up (the cable or adapter was disconnected, or the other side closed)</source>
        <translation>la ligne a raccroché (le câble ou l&apos;adaptateur a été débranché, ou l&apos;autre côté a fermé)</translation>
    </message>
    <message>
        <source>a write did not get its bytes out in time (the line is held up or the device failed)</source>
        <translation>une écriture n&apos;a pas fait sortir ses octets à temps (la ligne est bloquée ou le périphérique est en panne)</translation>
    </message>
    <message>
        <source>the line stalled for %1 ms after byte %2, longer than the radio waits: it may not have taken the frame; send again</source>
        <translation>la ligne s&apos;est arrêtée %1 ms après l&apos;octet %2, plus longtemps que la radio n&apos;attend : elle n&apos;a peut-être pas pris la trame ; envoyez de nouveau</translation>
    </message>
    <message>
        <source>stopped by Disconnect</source>
        <translation>arrêté par Déconnecter</translation>
    </message>
    <message>
        <source>stopped after the whole frame was sent</source>
        <translation>arrêté après l&apos;envoi de la trame entière</translation>
    </message>
    <message>
        <source>stopped before the frame was complete</source>
        <translation>arrêté avant que la trame soit complète</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>ligne de commande</translation>
    </message>
    <message>
        <source>remembered</source>
        <translation>mémorisé</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisi</translation>
    </message>
    <message>
        <source>remembered port unreadable</source>
        <translation>port mémorisé illisible</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>COM1 = no device (%1)</source>
        <translation>COM1 = aucun périphérique (%1)</translation>
    </message>
    <message>
        <source>COM1 = %1 (%2)</source>
        <translation>COM1 = %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was still marked as held by a program that had ended; the mark was cleared.</source>
        <translation>%1 était encore marqué comme détenu par un programme terminé ; la marque a été effacée.</translation>
    </message>
    <message>
        <source>COM1 stands for no device: the port chosen last cannot be read (%1). Give the port with --port DEV, or choose one in the Port menu of Velmar&apos;s window.</source>
        <translation>COM1 ne désigne aucun périphérique : le port choisi en dernier ne peut pas être lu (%1). Donnez le port avec --port DEV, ou choisissez-en un dans le menu Port de la fenêtre de Velmar.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows say</source>
        <comment>%Ln row says</comment>
        <translation>
            <numerusform>%Ln ligne dit</numerusform>
            <numerusform>%Ln lignes disent</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: no Location, not taken</source>
        <translation>ligne %1 : pas de Location, non prise</translation>
    </message>
    <message>
        <source>line %1: Location &quot;%2&quot; is not a number, not taken</source>
        <translation>ligne %1 : la Location « %2 » n&apos;est pas un nombre, non prise</translation>
    </message>
    <message>
        <source>line %1: Location %2 is beyond the 64 channels, not taken</source>
        <translation>ligne %1 : la Location %2 dépasse les 64 canaux, non prise</translation>
    </message>
    <message>
        <source>line %1: no frequency, not taken</source>
        <translation>ligne %1 : pas de fréquence, non prise</translation>
    </message>
    <message>
        <source>line %1: Frequency &quot;%2&quot; is not a number, not taken</source>
        <translation>ligne %1 : la Frequency « %2 » n&apos;est pas un nombre, non prise</translation>
    </message>
    <message>
        <source>line %1: %2 MHz is outside 400 to 500 MHz, not taken</source>
        <translation>ligne %1 : %2 MHz est hors de 400 à 500 MHz, non prise</translation>
    </message>
    <message>
        <source>line %1: Frequency %2 has a decimal comma that splits it in two, not taken: write it with a point, or in quotes</source>
        <translation>ligne %1 : la Frequency %2 a une virgule décimale qui la coupe en deux, non prise : écrivez-la avec un point, ou entre guillemets</translation>
    </message>
    <message>
        <source>line %1: %2: %3 moved to %4 (6.25 kHz steps)</source>
        <translation>ligne %1 : %2 : %3 déplacé à %4 (pas de 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2 moved to %3 (6.25 kHz steps)</source>
        <translation>ligne %1 : %2 déplacé à %3 (pas de 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2: given on line %3 too; this later row is taken</source>
        <translation>ligne %1 : %2 : donné aussi à la ligne %3 ; cette ligne plus tardive est prise</translation>
    </message>
    <message>
        <source>line %1: given on line %2 too; this later row is taken</source>
        <translation>ligne %1 : donné aussi à la ligne %2 ; cette ligne plus tardive est prise</translation>
    </message>
    <message>
        <source>line %1: %2: %3 not kept: this radio has no such setting</source>
        <translation>ligne %1 : %2 : %3 non gardé : cette radio n&apos;a pas ce réglage</translation>
    </message>
    <message>
        <source>line %1: %2 not kept: this radio has no such setting</source>
        <translation>ligne %1 : %2 non gardé : cette radio n&apos;a pas ce réglage</translation>
    </message>
    <message>
        <source>line %1: %2: %3 is the frequency of %4 too</source>
        <translation>ligne %1 : %2 : %3 est aussi la fréquence de %4</translation>
    </message>
    <message>
        <source>line %1: %2 is the frequency of %3 too</source>
        <translation>ligne %1 : %2 est aussi la fréquence de %3</translation>
    </message>
    <message>
        <source>line %1: %2: the Name &quot;%3&quot; has more than %4 characters: &quot;%5&quot; kept</source>
        <translation>ligne %1 : %2 : le nom « %3 » a plus de %4 caractères : « %5 » gardé</translation>
    </message>
    <message>
        <source>line %1: the Name &quot;%2&quot; has more than %3 characters: &quot;%4&quot; kept</source>
        <translation>ligne %1 : le nom « %2 » a plus de %3 caractères : « %4 » gardé</translation>
    </message>
    <message>
        <source>line %1: %2: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>ligne %1 : %2 : le nom contient un caractère de contrôle ou n&apos;est pas du texte UTF-8, non gardé</translation>
    </message>
    <message>
        <source>line %1: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>ligne %1 : le nom contient un caractère de contrôle ou n&apos;est pas du texte UTF-8, non gardé</translation>
    </message>
    <message>
        <source>The Locations start at 0: taken in order, Location 0 as Group A CH1</source>
        <translation>Les Locations commencent à 0 : prises dans l&apos;ordre, la Location 0 comme Group A CH1</translation>
    </message>
    <message>
        <source>Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken</source>
        <translation>Group %1 : %2 NFM (12,5 kHz), %3 FM (25 kHz) : %4 pris</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>not a channel list: no header line with the columns Location and Frequency</source>
        <translation>pas une liste de canaux : aucune ligne d&apos;en-tête avec les colonnes Location et Frequency</translation>
    </message>
    <message>
        <source>not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import it again</source>
        <translation>pas une liste de canaux : ses colonnes sont séparées par des points-virgules ; enregistrez-la avec des virgules (CSV) et importez-la de nouveau</translation>
    </message>
    <message>
        <source>not a channel list: line %1 has more than 256 columns</source>
        <translation>pas une liste de canaux : la ligne %1 a plus de 256 colonnes</translation>
    </message>
    <message>
        <source>not a channel list: the quote opened on line %1 is never closed, so the rest of the file would be one field</source>
        <translation>pas une liste de canaux : le guillemet ouvert à la ligne %1 n&apos;est jamais fermé, le reste du fichier serait donc un seul champ</translation>
    </message>
    <message>
        <source>not a channel list for this radio: more than %1 rows (it has 64 channels)</source>
        <translation>pas une liste de canaux pour cette radio : plus de %1 lignes (elle a 64 canaux)</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <translation>%1 « %2 »</translation>
    </message>
    <message numerus="yes">
        <source>The rows of %1 name %Ln channels.</source>
        <comment>The rows of %1 name %Ln channel.</comment>
        <translation>
            <numerusform>Les lignes de %1 nomment %Ln canal.</numerusform>
            <numerusform>Les lignes de %1 nomment %Ln canaux.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not taken.</source>
        <comment>%Ln row is not taken.</comment>
        <translation>
            <numerusform>%Ln ligne n&apos;est pas prise.</numerusform>
            <numerusform>%Ln lignes ne sont pas prises.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge into the file&apos;s Locations: %Ln channels change; the channels the rows do not name stay as they are.</source>
        <comment>Merge into the file&apos;s Locations: %Ln channel changes; the channels the rows do not name stay as they are.</comment>
        <translation>
            <numerusform>Fusionner dans les emplacements du fichier : %Ln canal change ; les canaux que les lignes ne nomment pas restent tels quels.</numerusform>
            <numerusform>Fusionner dans les emplacements du fichier : %Ln canaux changent ; les canaux que les lignes ne nomment pas restent tels quels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace all channels: %Ln channels change; the channels the rows do not name are emptied.</source>
        <comment>Replace all channels: %Ln channel changes; the channels the rows do not name are emptied.</comment>
        <translation>
            <numerusform>Remplacer tous les canaux : %Ln canal change ; les canaux que les lignes ne nomment pas sont vidés.</numerusform>
            <numerusform>Remplacer tous les canaux : %Ln canaux changent ; les canaux que les lignes ne nomment pas sont vidés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels the rows change:</source>
        <translation>Canaux que les lignes changent :</translation>
    </message>
    <message>
        <source>Replace all channels also changes:</source>
        <translation>Remplacer tous les canaux change aussi :</translation>
    </message>
    <message>
        <source>Rows not taken, and what the entry made of others:</source>
        <translation>Lignes non prises, et ce que la saisie a fait des autres :</translation>
    </message>
    <message numerus="yes">
        <source>Merged %1 into its Locations: %Ln channels changed.</source>
        <comment>Merged %1 into its Locations: %Ln channel changed.</comment>
        <translation>
            <numerusform>%1 fusionné dans ses emplacements : %Ln canal changé.</numerusform>
            <numerusform>%1 fusionné dans ses emplacements : %Ln canaux changés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced all channels with %1: %Ln channels changed.</source>
        <comment>Replaced all channels with %1: %Ln channel changed.</comment>
        <translation>
            <numerusform>Tous les canaux remplacés par %1 : %Ln canal changé.</numerusform>
            <numerusform>Tous les canaux remplacés par %1 : %Ln canaux changés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 received bytes were dropped: the receive queue held %2 of %3 bytes.</source>
        <translation>%1 octets reçus ont été perdus : la file de réception contenait %2 octets sur %3.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l&apos;un de %1</translation>
    </message>
    <message>
        <source>%1 (a Velmar setting file)</source>
        <translation>%1 (un fichier de réglage Velmar)</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>text of up to %1 characters, line breaks and tabs its only control characters</source>
        <translation>un texte d&apos;au plus %1 caractères, sauts de ligne et tabulations pour seuls caractères de contrôle</translation>
    </message>
    <message>
        <source>text of up to %1 characters without control characters</source>
        <translation>un texte d&apos;au plus %1 caractères sans caractères de contrôle</translation>
    </message>
    <message>
        <source>a list of exactly eight groups, &quot;A&quot; to &quot;H&quot; in order</source>
        <translation>une liste d&apos;exactement huit groupes, de &quot;A&quot; à &quot;H&quot; dans l&apos;ordre</translation>
    </message>
    <message>
        <source>an object with &quot;group&quot;, &quot;spacing&quot; and &quot;channels&quot;</source>
        <translation>un objet avec &quot;group&quot;, &quot;spacing&quot; et &quot;channels&quot;</translation>
    </message>
    <message>
        <source>%1 (the groups run &quot;A&quot; to &quot;H&quot; in order)</source>
        <translation>%1 (les groupes vont de &quot;A&quot; à &quot;H&quot; dans l&apos;ordre)</translation>
    </message>
    <message>
        <source>a list of exactly eight channels, CH1 to CH8</source>
        <translation>une liste d&apos;exactement huit canaux, de CH1 à CH8</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none</source>
        <translation>une fréquence de neuf caractères de 400.00000 à 500.00000 MHz sur la grille de 6,25 kHz, comme 446.00625, ou &quot;&quot; pour aucune</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none (the grid point below is %1)</source>
        <translation>une fréquence de neuf caractères de 400.00000 à 500.00000 MHz sur la grille de 6,25 kHz, comme 446.00625, ou &quot;&quot; pour aucune (le point de grille en dessous est %1)</translation>
    </message>
    <message>
        <source>a list of exactly eight names, CH1 to CH8, &quot;&quot; for none</source>
        <translation>une liste d&apos;exactement huit noms, de CH1 à CH8, &quot;&quot; pour aucun</translation>
    </message>
    <message>
        <source>an object with the 13 options, &quot;Scan Delay Time&quot; to &quot;Band Select&quot;</source>
        <translation>un objet avec les 13 options, de &quot;Scan Delay Time&quot; à &quot;Band Select&quot;</translation>
    </message>
    <message>
        <source>a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>un objet JSON avec &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>le fichier entier</translation>
    </message>
    <message>
        <source>%1: missing, must be %2</source>
        <translation>%1 : manquant, doit être %2</translation>
    </message>
    <message>
        <source>%1: is %2, must be %3</source>
        <translation>%1 : vaut %2, doit être %3</translation>
    </message>
    <message>
        <source>%1: has %2 groups, must be %3</source>
        <translation>%1 : a %2 groupes, doit être %3</translation>
    </message>
    <message>
        <source>%1: has %2 channels, must be %3</source>
        <translation>%1 : a %2 canaux, doit être %3</translation>
    </message>
    <message>
        <source>%1: has %2 characters, must be %3</source>
        <translation>%1 : a %2 caractères, doit être %3</translation>
    </message>
    <message>
        <source>%1: holds a control character, must be %2</source>
        <translation>%1 : contient un caractère de contrôle, doit être %2</translation>
    </message>
    <message>
        <source>%1: is %2: made by a newer Velmar; this one reads versions up to %3</source>
        <translation>%1 : vaut %2 : fait par un Velmar plus récent ; celui-ci lit les versions jusqu&apos;à %3</translation>
    </message>
    <message>
        <source>not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>pas du JSON : imbriqué sur plus de %1 niveaux à l&apos;octet %2 ; un fichier de réglage est un objet JSON avec &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: a NUL character at byte %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>pas du JSON : un caractère NUL à l&apos;octet %1 ; un fichier de réglage est un objet JSON avec &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>pas du JSON : %1 ; un fichier de réglage est un objet JSON avec &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>%1: has the key %2 twice; each key may appear once</source>
        <translation>%1 : a deux fois la clé %2 ; chaque clé ne peut apparaître qu&apos;une fois</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>plus grand que %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1: %2</source>
        <translation>impossible de créer un fichier temporaire dans %1 : %2</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; is not one device</source>
        <translation>la valeur de &quot;%1&quot; n&apos;est pas un seul périphérique</translation>
    </message>
    <message>
        <source>it is %1, the setting file it is made from</source>
        <translation>c&apos;est %1, le fichier de réglage dont elle est tirée</translation>
    </message>
    <message>
        <source>cannot keep the sent setting in %1: %2</source>
        <translation>impossible de conserver le réglage envoyé dans %1 : %2</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1 : écriture impossible : %2</translation>
    </message>
    <message>
        <source>The channel card cannot be printed: %1</source>
        <translation>La fiche des canaux ne peut pas être imprimée : %1</translation>
    </message>
    <message>
        <source>The serial ports present cannot be listed: %1</source>
        <translation>Les ports série présents ne peuvent pas être listés : %1</translation>
    </message>
    <message>
        <source>%1 needs the PDF file to write</source>
        <translation>%1 demande le fichier PDF à écrire</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 demande un périphérique</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>option inconnue : %1</translation>
    </message>
    <message>
        <source>no setting file given</source>
        <translation>aucun fichier de réglage donné</translation>
    </message>
    <message>
        <source>one setting file only, not %1</source>
        <translation>un seul fichier de réglage, pas %1</translation>
    </message>
    <message>
        <source>--card needs a FILE.velmar to make the card of</source>
        <translation>--card demande un FICHIER.velmar dont faire la fiche</translation>
    </message>
    <message>
        <source>Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio&apos;s options. Connect opens the radio&apos;s programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar          open this setting file at start
      --port DEV       use the serial device DEV as COM1 for this run (a USB
                       cable such as /dev/ttyUSB0, or a pseudo-terminal)
      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and
                       exit, without a window: 0 when written, 2 when the
                       file is refused, 1 when the card cannot be written
  -h, --help           display this help and exit
      --version        output version information and exit

COM1 is the first of: --port DEV, the environment&apos;s VELMAR_COM1, the port
chosen last time in the window&apos;s Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/%1    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
</source>
        <translation>Usage : velmar [OPTION]... [FICHIER.velmar]
Programme les canaux et les options d&apos;une radio portative UHF PMR/LPD.

Velmar montre un dialogue de réglage : huit groupes de huit fréquences
(de 400 à 500 MHz au pas de 6,25 kHz), un espacement des canaux par groupe et
les options de la radio. « Connect » ouvre le câble de programmation de la
radio, COM1, à 4800 bauds, 8 bits de données, sans parité et avec deux bits
d&apos;arrêt ; « Send » écrit tout le réglage dans la radio en une trame de
programmation de 258 octets, en 141 écritures cadencées. Les réglages sont
gardés dans des fichiers de réglage (FICHIER.velmar), et chaque envoi complet
est gardé dans l&apos;historique des réglages envoyés.

Options :
  FICHIER.velmar       ouvrir ce fichier de réglage au démarrage
      --port DEV       utiliser le périphérique série DEV comme COM1 pour
                       cette fois (un câble USB comme /dev/ttyUSB0, ou un
                       pseudo-terminal)
      --card OUT.pdf   écrire la fiche des canaux de FICHIER.velmar dans
                       OUT.pdf et quitter, sans fenêtre : 0 si elle est
                       écrite, 2 si le fichier est refusé, 1 si la fiche ne
                       peut pas être écrite
  -h, --help           afficher cette aide et quitter
      --version        afficher la version et quitter

COM1 est le premier de : --port DEV, VELMAR_COM1 de l&apos;environnement, le port
choisi la dernière fois dans le menu Port de la fenêtre, /dev/ttyS0. La ligne
d&apos;état dit lequel est en vigueur et pourquoi.

Environnement :
  VELMAR_COM1      le périphérique série que désigne COM1, par exemple
                   /dev/ttyUSB0 pour un câble de programmation USB

Fichiers :
  ~/.config/velmar/%1    ce que la fenêtre retient : le port choisi,
                                 les fichiers récents ($XDG_CONFIG_HOME/velmar
                                 s&apos;il est défini)
  ~/.local/share/velmar/sent/    les réglages des 500 derniers envois complets
                                 ($XDG_DATA_HOME/velmar/sent s&apos;il est défini)

Exemples :
  velmar club.velmar                    ouvrir un réglage et l&apos;envoyer depuis
                                        la fenêtre
  velmar --port /dev/ttyUSB0            utiliser un câble de programmation USB
                                        comme COM1
</translation>
    </message>
</context>
</TS>
