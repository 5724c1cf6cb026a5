<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Opzioni della radio</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Opzioni della radio</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Che cos&apos;è ogni opzione della radio. I testi tra virgolette sono quelli del dialogo stesso; la radio memorizza ogni scelta come un codice.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Inviate…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva &amp;come…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importa canali (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>Esporta &amp;canali (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Propri&amp;età…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Esporta sc&amp;heda canali…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Stam&amp;pa scheda canali…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Invia</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Altro dispositivo…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Trova il mio cavo…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canali</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Riempi il gruppo con</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>&amp;Svuota il gruppo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Con&amp;fronta con…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Confronta con l&apos;&amp;ultimo invio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>&amp;Copia gruppo</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>&amp;Incolla gruppo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Tutti i canali</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Messaggi</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copia tutto</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sovrascrivi</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Unisci nelle posizioni del file</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Sostituisci &amp;tutti i canali</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Impostazioni Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Elenchi di canali (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Apri impostazione</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Salva impostazione come</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importa canali</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Esporta canali</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Apri un&apos;impostazione inviata</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Esporta scheda canali</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>Il titolo, le note e i nomi dei canali viaggiano con il file di impostazione e compaiono sulla scheda canali; la radio non li memorizza.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Scheda canali</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Nessun canale ha una frequenza.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>In questa modalità la radio usa i propri canali: i gruppi qui sotto non sono in uso finché non si sceglie «GRUOP».</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Disconnetti per cambiare porta: la porta in uso resta fino ad allora.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Altro dispositivo</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Il dispositivo che COM1 rappresenta (un dispositivo seriale, uno pseudo-terminale o un collegamento a uno di essi):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Trova il mio cavo</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrata</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aperta</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiusa</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>aperta, la linea ha riagganciato</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Avanzamento dell&apos;invio</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Ricevuti</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Chiusura dopo l&apos;invio…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD e PMR + LPD usano i canali propri della radio: scegli «GRUOP» per programmare i gruppi.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>I canali si programmano nella modalità «GRUOP».</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spaziatura</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Uguale a</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Contro&amp;lla impostazione</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Controlla impostazione</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Nulla da segnalare: ogni canale è un canale PMR446 o LPD433 in un gruppo della sua spaziatura, e nessun gruppo contiene due volte la stessa frequenza.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Nulla da controllare: in questa modalità la radio usa i propri canali, non i gruppi.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Non è ancora stato conservato alcun invio che la radio potesse ricevere: la cronologia delle impostazioni inviate è vuota.</translation>
    </message>
</context>
</TS>
