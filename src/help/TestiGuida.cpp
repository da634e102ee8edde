#include "help/TestiGuida.h"

// Each text is one paragraph: the window wraps it at word boundaries and the prints type it as one
// paragraph, so none may hold a line break.

const QList<TestoGuida> &TestiGuida()
{
    static const QList<TestoGuida> testi = {
        {QStringLiteral("manuale"), QStringLiteral("MANUALE D'USO RAPIDO"),
         QStringLiteral("Il software VANTEGRA valuta il più probabile valore di mercato di un'area fabbricabile con il "
                        "metodo del valore di trasformazione: il valore dell'area è la differenza tra il valore del "
                        "fabbricato che vi si può costruire e i costi per realizzarlo, riportata all'epoca della stima in "
                        "base ai tempi necessari e al saggio di rendimento. Il lavoro comincia nella finestra principale "
                        "Dati, una tabella che accoglie fino a cento ipotesi di calcolo: in ogni riga si digitano il "
                        "valore del fabbricato, i costi totali, gli anni, la superficie del lotto e il saggio, e il "
                        "valore dell'area compare appena la riga è completa. Per approfondire un'ipotesi la si sceglie "
                        "cliccando sul suo numero d'ordine, che diventa rosso; i pulsanti posti sopra le colonne aprono "
                        "allora le finestre di dettaglio (valore del fabbricato, costi, tempi, superficie, rendimento), "
                        "nelle quali il dato si ricava e si trasferisce nella riga scelta con il pulsante apposito. Ogni "
                        "finestra archivia i propri dati in un file e li rilegge con i comandi del menu File; la finestra "
                        "Frontespizio salva inoltre l'intera stima in un unico archivio, che si riapre soltanto dalla "
                        "finestra Dati. Contro gli errori ogni finestra offre tre aiuti: il controllo dei dati (voce "
                        "Controllo dati immessi del menu Modifica o pulsante della barra degli strumenti) segnala ciò che "
                        "manca o non è valido, il pulsante AIUTO spiega che cosa digitare e la striscia gialla in fondo "
                        "alla finestra suggerisce il dato successivo. Nelle caselle numeriche si usa la virgola per i "
                        "decimali, senza punti per le migliaia. Il menu Visualizza e la barra degli strumenti portano da "
                        "una finestra all'altra; il menu ? apre la guida, i suggerimenti e le informazioni sul programma. "
                        "Completate le finestre, nel Frontespizio si scrivono i dati della prima pagina della relazione: "
                        "ubicazione dell'area, proprietario, committente, luogo e data della perizia e allegati. Il "
                        "pulsante Stampa di quella finestra controlla la completezza e la coerenza dell'intera stima per "
                        "la riga scelta e scrive la relazione in un documento di Word, salvato nella cartella del "
                        "programma e aperto subito dopo, dove può essere riletto, completato e stampato. I dati di una "
                        "sola finestra si stampano con la voce Stampa dati finestra del menu File, purché nel "
                        "Frontespizio sia indicato il proprietario dell'area.")},
        {QStringLiteral("guidafunzionamento"), QStringLiteral("FUNZIONAMENTO DEL PROGRAMMA"),
         QStringLiteral("Il software funziona in maniera molto semplice: i cinque dati della stima si digitano "
                        "direttamente nella finestra principale Dati oppure si ricavano nelle finestre di dettaglio, che "
                        "li calcolano da elementi più semplici e li trasferiscono automaticamente nella riga scelta. Il "
                        "valore dell'area si ottiene con la formula Va=(Vm-K)/(1+r)^n, dove Va è il valore attuale "
                        "dell'area fabbricabile, Vm il più probabile valore di mercato del fabbricato finito, K la somma "
                        "dei costi per realizzarlo (spese tecniche, oneri urbanistici, costruzione e profitto "
                        "dell'imprenditore), r il saggio di rendimento dei capitali industriali, digitato in percentuale "
                        "e usato nella formula diviso per cento, e n gli anni che separano la stima dall'inizio della "
                        "redditività del fabbricato. Dividendo Va per la superficie del lotto si ha anche il valore al "
                        "metro quadrato. Molti dati di riferimento sono già impostati: le percentuali di costo e di tempo "
                        "delle opere per tre tipi di edificio, le ripartizioni delle spese tecniche, degli oneri e dei "
                        "tempi, i saggi dal 7% al 10%. Dalla finestra del valore del fabbricato un pulsante apre infine "
                        "una pagina internet di quotazioni immobiliari, utile per il prezzo al metro quadrato della zona.")},
        {QStringLiteral("guidaarchivio"), QStringLiteral("ARCHIVIO DATI"),
         QStringLiteral("E' possibile memorizzare in appositi files i dati immessi in ciascuna finestra, per riprenderli "
                        "in seguito, con i comandi del menu File o con i pulsanti della barra degli strumenti: Apri "
                        "rilegge un archivio, Salva scrive nel file in uso (la prima volta ne chiede il nome), Salva con "
                        "nome chiede sempre un nome, Elimina cancella il file scelto senza chiedere conferma. Ogni "
                        "finestra ha un proprio tipo di archivio, con un prefisso fisso: Vantegra-dati- per i dati "
                        "generali, Vantegra-valore- per il valore del fabbricato, Vantegra-costi- per i costi, "
                        "Vantegra-tempi- per i tempi, Vantegra-sup- per i dati urbanistici, Vantegra-rendimento- per il "
                        "saggio, Vantegra-fro- per il frontespizio. Al primo salvataggio il prefisso è già proposto come "
                        "nome del file: per completarlo senza perderlo si preme prima il tasto freccia a destra e poi si "
                        "digita il resto del nome, ad esempio il cognome del proprietario, perché scrivendo subito il "
                        "prefisso verrebbe sostituito. Prima di salvare, le finestre che lo prevedono controllano i dati. "
                        "L'intera stima si salva in un solo file (prefisso Vantegra-totale-) dal menu File della finestra "
                        "Frontespizio, con Salva con nome e tutti i dati, e si riapre dal menu File della finestra Dati, "
                        "con Apri e tutti i dati.")},
        {QStringLiteral("guidastampa"), QStringLiteral("STAMPA"),
         QStringLiteral("Si possono stampare liberamente tutte le finestre riguardanti la guida. Ogni finestra della "
                        "guida ha il pulsante Stampa, che scrive il suo testo in un documento di Word, mentre il pulsante "
                        "Stampa del sommario raccoglie in un unico documento la guida intera. In ogni finestra di calcolo "
                        "il pulsante con la stampante della barra degli strumenti, come la voce Stampa dati finestra del "
                        "menu File, stampa i dati della finestra; la relazione di stima completa si stampa invece "
                        "soltanto dalla finestra Frontespizio, con il suo pulsante Stampa, dopo il controllo dei dati di "
                        "tutte le finestre. Ogni stampa della guida, dei dati o della relazione è un documento di Word "
                        "salvato automaticamente nella cartella del programma, con un nome prestabilito che indica il "
                        "tipo di stampa e, per i dati delle finestre e per la relazione, il proprietario dell'area "
                        "indicato nel Frontespizio: se il proprietario non è stato ancora digitato, il programma lo fa "
                        "notare e apre il Frontespizio. Il documento si apre subito dopo il salvataggio, così da poterlo "
                        "rivedere in anteprima, completare e formattare a piacere in Word prima di mandarlo alla "
                        "stampante.")},
        {QStringLiteral("guidadati"), QStringLiteral("Finestra DATI"),
         QStringLiteral("La finestra principale di VANTEGRA è quella dedicata ai dati generali della stima, e qui i "
                        "risultati sono immediati: in ogni riga si digitano il valore del fabbricato, i costi totali, gli "
                        "anni, la superficie del lotto e il saggio di rendimento, e appena la riga è completa compaiono "
                        "il valore dell'area e il valore al metro quadrato. La tabella mostra dieci righe alla volta e, "
                        "con la barra di scorrimento, arriva fino a cento stime affiancate, da confrontare tra loro. "
                        "Cliccando sul numero d'ordine si sceglie la riga su cui lavorare, il cui numero diventa rosso ed "
                        "è indicato da una freccia: è la riga che riceve i risultati delle finestre di dettaglio e che "
                        "entra nella relazione. I pulsanti sopra le colonne aprono le finestre di dettaglio del dato "
                        "corrispondente: valore del fabbricato, costi, tempi di redditività, superficie del lotto e "
                        "saggio di rendimento. Accanto a ogni riga il pulsante C vi copia la riga precedente, comodo per "
                        "provare varianti di una stessa ipotesi, e il pulsante X la elimina, facendo salire le "
                        "successive. Solo da questa finestra, con Apri e tutti i dati del menu File, si riapre l'archivio "
                        "completo della stima salvato dal Frontespizio.")},
        {QStringLiteral("guidavalore"), QStringLiteral("Finestra VALORE DEL FABBRICATO"),
         QStringLiteral("In questa finestra è possibile stimare il valore del fabbricato che sorgerà sull'area, o quello "
                        "di un edificio esistente, confrontandolo con uno dei migliori fabbricati venduti di recente "
                        "nella stessa zona. Le caratteristiche da valutare sono raggruppate in cinque voci: posizione "
                        "rispetto all'abitato, posizione igienica e ambientale, statica, requisiti tecnologici e "
                        "distribuzione interna. A ciascuna si assegna con la barra di scorrimento un coefficiente da 0 a "
                        "1 rispetto all'edificio di riferimento, e cliccando sul nome della voce se ne legge la "
                        "spiegazione; la media dei cinque è il coefficiente di stima. Nella tabella delle superfici si "
                        "indicano, per ogni tipo di ambiente, la superficie massima realizzabile e il ragguaglio: 100 per "
                        "le superfici coperte e chiuse, 50 per le cantine, 25 per le superfici scoperte. Il prezzo "
                        "unitario al metro quadrato della zona si ricava da atti notarili e pubblicazioni immobiliari, "
                        "oppure da internet con il pulsante apposito. Il valore, pari alla superficie ragguagliata per il "
                        "coefficiente e per il prezzo, appare in cifre e in lettere e passa nella riga scelta con il "
                        "pulsante TOTALE STIMA. Ogni risultato si aggiorna appena si modifica un dato.")},
        {QStringLiteral("guidacostare"), QStringLiteral("Finestra COSTI DI REALIZZAZIONE"),
         QStringLiteral("I costi di realizzazione del fabbricato possono essere ricavati in questa finestra, divisi in "
                        "quattro gruppi: spese tecniche, oneri urbanistici, costruzione e profitto dell'imprenditore. Per "
                        "ogni gruppo si può digitare il totale, che il programma ripartisce da solo tra le voci che lo "
                        "compongono secondo quote abituali, oppure digitare le singole voci, che vengono sommate nel "
                        "totale del gruppo. In fondo alla finestra il totale dei costi si aggiorna a ogni dato immesso, e "
                        "il pulsante TOTALE COSTI lo trasferisce nella riga scelta della finestra Dati. Il costo di "
                        "costruzione è poi suddiviso nella tabella dei tipi di lavoro, dalle fondazioni agli impianti, "
                        "secondo percentuali statistiche proposte per edifici economici, medi o evoluti e riferite a un "
                        "fabbricato di almeno cento vani su cinque piani. Le percentuali si possono cambiare con le "
                        "piccole frecce delle barre, purché la loro somma resti 100: la riga del totale lo segnala. Il "
                        "pulsante X di un lavoro lo annulla e ne distribuisce la quota sugli altri. Il pulsante con il "
                        "punto interrogativo accanto a ogni voce ne spiega il significato, e la striscia gialla indica il "
                        "dato da digitare.")},
        {QStringLiteral("guidaredditività"), QStringLiteral("Finestra TEMPI PER REDDITIVITA'"),
         QStringLiteral("Questa finestra è costruita sulla falsariga di quella dei costi, ma misura i tempi in giorni: "
                        "progettazione, permessi degli enti, costruzione, accatastamento e abitabilità. Anche qui si può "
                        "digitare il totale di un gruppo, che viene ripartito tra le sue voci, oppure le singole voci, "
                        "che vengono sommate. Il totale dei giorni, trasformato in anni con un decimale, diventa il "
                        "termine n della formula: più lunghi sono i tempi che separano la stima dall'inizio della "
                        "redditività del fabbricato, più basso risulta il valore dell'area, perché il capitale investito "
                        "resta fermo più a lungo. Il tempo di costruzione è suddiviso nella tabella dei tipi di lavoro "
                        "secondo percentuali statistiche per edifici economici, medi o evoluti, modificabili con le "
                        "piccole frecce delle barre purché la loro somma resti 100; per ogni lavoro non si conta il tempo "
                        "che si sovrappone a quello di opere contemporanee. Il pulsante X annulla un lavoro e ne "
                        "distribuisce la quota sugli altri. Quando i dati sono completi, il pulsante TOTALE TEMPI "
                        "trasferisce gli anni nella riga scelta della finestra Dati. Il pulsante con il punto "
                        "interrogativo accanto a ogni voce ne spiega il significato.")},
        {QStringLiteral("guidasuperficie"), QStringLiteral("Finestra DATI URBANISTICI"),
         QStringLiteral("In questa finestra vanno introdotti i dati tecnici, urbanistici e descrittivi dell'area, che in "
                        "genere si ricavano dallo strumento urbanistico comunale o dal certificato di destinazione "
                        "urbanistica: zona, foglio e particella catastale, indici di fabbricabilità e di copertura, lotto "
                        "minimo, altezza e numero dei piani consentiti, distanze, destinazione d'uso e vincoli. Cliccando "
                        "sulla descrizione di un campo se ne legge la spiegazione; nei campi numerici vanno digitate solo "
                        "cifre e la virgola. Dalla lunghezza e dalla larghezza medie del lotto il programma ricava la "
                        "superficie stimata del lotto, che si può anche correggere; con l'indice di fabbricabilità, il "
                        "volume consentito, la copertura e l'altezza massima calcola il volume massimo edificabile e, "
                        "contando un'altezza di 3 metri per piano, la superficie lorda del fabbricato. Se il lotto è più "
                        "piccolo del minimo richiesto non si può costruire nulla. La seconda parte, la descrizione della "
                        "zona (pendenza, accessi, parcheggi, servizi, servitù), serve per la relazione. Il pulsante "
                        "SUPERFICIE DEL LOTTO MQ. trasferisce la superficie nella riga scelta della finestra Dati.")},
        {QStringLiteral("guidacapitali"), QStringLiteral("Finestra SAGGIO DI RENDIMENTO"),
         QStringLiteral("Il saggio di rendimento dei capitali industriali è un valore che esprime la remunerazione attesa "
                        "da chi investe nella costruzione: più il saggio è alto, più basso risulta il prezzo dell'area. "
                        "In genere varia tra il 7% e il 10%, e la finestra parte proprio da questo intervallo con un "
                        "passo di 0,25; il minimo, il massimo e il passo si possono cambiare con le barre di scorrimento. "
                        "Per ogni saggio dell'intervallo il programma calcola, con i dati della riga scelta nella "
                        "finestra Dati, il valore dell'area e il valore al metro quadrato, e li mostra in una tabella che "
                        "scorre fino a 100 ipotesi. Cliccando sul numero di una riga della tabella si sceglie il saggio, "
                        "che passa subito nella riga della finestra Dati. Per aprire questa finestra dalla colonna del "
                        "rendimento bisogna aver già digitato gli altri dati della riga. L'archivio della finestra "
                        "conserva l'intervallo dei saggi e la riga scelta, non la tabella, che alla lettura viene "
                        "ricalcolata sui dati della riga scelta in quel momento. Le celle della tabella si possono anche "
                        "correggere a mano per provare varianti, e i risultati si ricalcolano subito. La tabella, con il "
                        "saggio scelto, compare anche nella relazione di stima.")},
        {QStringLiteral("guidafrontespizio"), QStringLiteral("Finestra FRONTESPIZIO"),
         QStringLiteral("L'ultima finestra riguarda i dati destinati al frontespizio della relazione, e ogni voce "
                        "richiesta ha importanza per la stima: il Comune, la località e l'indirizzo individuano la zona "
                        "dell'area, il proprietario e il committente le parti interessate, il luogo e la data della "
                        "perizia l'epoca a cui riferire la valutazione. La data è scritta automaticamente all'apertura "
                        "della finestra, ma si può cambiare; per una stampa corretta conviene non superare i 60 caratteri "
                        "per voce. Il nome e l'indirizzo dello studio si cambiano con un doppio clic su di essi o con "
                        "Dati dello studio del menu Modifica. La voce Stampa dati finestra "
                        "del menu File stampa i soli dati del frontespizio. Dal menu File si salvano i soli dati del "
                        "frontespizio oppure, con Salva con nome e tutti i dati, l'intera stima in un unico archivio. Il "
                        "pulsante Stampa controlla i dati di tutte le finestre e la loro coerenza per la riga scelta "
                        "nella finestra Dati, e, se manca qualcosa, lo segnala e porta in primo piano la finestra da "
                        "completare; altrimenti scrive la relazione completa in un documento di Word nella cartella del "
                        "programma, con un nome che contiene quello del proprietario; il documento si apre subito e in "
                        "Word si può completare con note, foto e planimetrie prima di stamparlo.")},
    };
    return testi;
}

const TestoGuida *testoGuida(const QString &finestra)
{
    for (const TestoGuida &t : TestiGuida()) {
        if (t.finestra == finestra)
            return &t;
    }
    return nullptr;
}
