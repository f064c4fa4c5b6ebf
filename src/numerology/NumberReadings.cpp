#include "numerology/NumberReadings.h"

#include <QCoreApplication>

namespace modNineStarKey {

namespace {

// The fixed readings of the numbers 1 to 9. Each reading has two or three paragraphs: the
// first describes the number itself, the others what one or more occurrences of it in the
// birth chart say about you. A reading with only two paragraphs has nullptr as its third.
// They are English; the reading shows them in the user's language.
const char *const kParagraphs[9][3] = {
    // 1
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number One symbolizes 'single entity'. It is the very first of all numbers and stands "
            "for beginnings, for the spark from which everything else grows. In the Lo Shu square "
            "it "
            "sits in the north, in the lowest row, and it is linked with the element Water and "
            "with "
            "the path of your life and career. One governs self-expression and the way you put "
            "your "
            "thoughts into words. When this number appears in your chart, you are likely to be "
            "independent, self-reliant and quietly ambitious, and you prefer to find your own way "
            "rather than follow the road that others have laid out for you."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Having a single 1 in your chart indicates that you may find it hard to say what you "
            "feel, and you often keep your thoughts to yourself. Two 1s show that you express "
            "yourself clearly and can see both sides of an issue. Three 1s point to a lively, "
            "talkative nature, though at times you may be misunderstood by those near you."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Four 1s signify that you are a compassionate and sensitive soul who feels the pain of "
            "others as if it were your own. Your words carry great weight, yet you may struggle to "
            "put your feelings into speech and then withdraw into silence. Five 1s or more point "
            "to "
            "a strong and restless inner life; you must take care that your moods do not run away "
            "with you, and learn to share your burdens with those you trust."),
    },
    // 2
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number two represents duality. It is the number of pairs and partnerships, of day and "
            "night, of giving and receiving, and it reminds you that each force in life has its "
            "counterpart. In the Lo Shu square it sits in the south-west, the corner of the Earth "
            "element and of relationships. Two governs intuition and sensitivity, and it gives you "
            "the gift of sensing what others feel before they say a single word. When this number "
            "appears in your chart, you are likely to be gentle, patient and cooperative, a "
            "natural "
            "peacemaker who finds true strength in harmony with others."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "A person with a single 2 in his chart is sensitive and intuitive and can read the "
            "mood "
            "of a room with ease. Two 2s strengthen this gift, making you a shrewd judge of "
            "character. Three or four 2s point to a tender nature that is easily hurt by "
            "thoughtless "
            "words."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "If 2 occurs five times or for more than five times in your chart, you may feel "
            "overwhelmed by the moods of others and must guard your own peace of mind with great "
            "care."),
    },
    // 3
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number three is related to ideals and ideas. It is the number of imagination, of the "
            "mind reaching outward, and of the joy that comes from creating something new. In the "
            "Lo "
            "Shu square it sits in the east, the home of the rising sun, and it is linked with the "
            "element Wood, with growth and with the family. Three governs memory and the ability "
            "to "
            "think clearly and logically. When this number appears in your chart, you are likely "
            "to "
            "be bright, hopeful and quick to learn, with a lively, warm sense of humour and a "
            "strong "
            "wish to shape the world around you according to your own vision of how things ought "
            "to "
            "be."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "People with a single 3 in their birth chart have a good memory and a clear, orderly "
            "way "
            "of thinking. Two 3s bring a vivid imagination and a gift for words, both spoken and "
            "written. Three 3s point to a mind so full of ideas that you may lose touch with "
            "everyday life. Four or more 3s ask you to keep your feet on the ground and to finish "
            "what you start."),
        nullptr,
    },
    // 4
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number four is considered to be a complete number in itself. It recalls the four "
            "seasons, the four directions and the four corners of a solid house, and it speaks of "
            "order, structure and patient work. In the Lo Shu square it sits in the south-east, "
            "the "
            "corner of the Wood element and of abundance, where steady effort is slowly turned "
            "into "
            "lasting reward. Four governs the practical side of life, your skill with your hands "
            "and "
            "your sense of method and discipline. When this number appears in your chart, you are "
            "likely to be reliable, careful and hard-working, a person others turn to when "
            "something "
            "must be built properly. You value honesty and routine, and you seldom leave a task "
            "unfinished once you have begun it."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "People with a single four in their birth chart are orderly and practical, with a "
            "talent "
            "for handling tools and details. Two 4s make you neat, methodical and precise."),
        QT_TRANSLATE_NOOP("NumberReadings", "Having three or more than three 4s in your birth "
                                            "chart suggests strong physical energy "
                                            "and practical skill, yet you may work too hard and "
                                            "forget the value of rest and play."),
    },
    // 5
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number five is the number that represents emotional stability and balance. It stands "
            "at "
            "the very centre of the Lo Shu square, where every line of the magic square meets, and "
            "it is linked with the Earth element and with health and wellbeing. Five is the pivot "
            "around which the other eight numbers turn, and so it gives you a steady heart in "
            "times "
            "of change. It governs freedom, movement and the courage to take life as it comes. "
            "When "
            "this number appears in your chart, you are likely to be resilient, warm and "
            "adaptable, "
            "a person who keeps calm under pressure and helps others to find their footing when "
            "the "
            "ground beneath them begins to shift."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "One 5 in your birth chart indicates that you are balanced, caring and able to stir "
            "others into action. Two 5s bring great drive and determination, though you may be "
            "stubborn. Three 5s point to a restless spirit that seeks adventure and may speak too "
            "quickly. Four or more 5s ask you to slow down and to weigh each choice with care."),
        nullptr,
    },
    // 6
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number six is the number which represents equilibrium and harmony. It is the number "
            "of "
            "the home, of love and responsibility, and of the care that holds the family together. "
            "In the Lo Shu square it sits in the north-west, the corner of the Metal element, of "
            "helpful people and of travel. Six governs creativity and the warmth that you bring to "
            "those around you. When this number appears in your chart, you are likely to be "
            "devoted, "
            "generous and protective, and you find deep meaning in looking after others and in "
            "making your surroundings beautiful, peaceful and truly welcoming for everyone who "
            "enters them."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "People with one 6 are family lovers who find their joy at home. Two 6s bring a caring "
            "but anxious nature, quick to worry about those they love. Three 6s show a creative "
            "soul "
            "with high ideals."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Having four or more 6s mean you are a well balanced but emotional person."),
    },
    // 7
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number seven represents a deep and a practical thinker. It is the number of "
            "reflection "
            "and learning, and in the Lo Shu square it sits in the west, where it is linked with "
            "Metal, joy and children."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "You are calm, quiet and affectionate by nature. You seek the truth behind appearances "
            "and are rarely satisfied with easy answers, preferring to study a matter until you "
            "grasp it. Life may often teach you through loss and challenge, yet each lesson leaves "
            "you wiser, and in time others come to value your thoughtful advice."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Having one 7 in the chart represents that you learn best through your own experience, "
            "and that setbacks in love, health or work become your greatest teachers. Two 7s bring "
            "a "
            "strong interest in spiritual and philosophical questions, along with a rich inner "
            "life. "
            "Three 7s suggest a person who has known sorrow and loss, yet who draws from them a "
            "deep "
            "compassion for others. Four or more 7s ask you to take care not to withdraw from the "
            "world, and to share your hard-won wisdom with all those who need it."),
    },
    // 8
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number eight represents patience, perseverance and wisdom. It is considered one of "
            "the "
            "most fortunate of all numbers, for its sound recalls the word for prosperity, and it "
            "promises that steady and honest effort will in time bear rich fruit. In the Lo Shu "
            "square it sits in the north-east, the corner of the Earth element and of knowledge "
            "and "
            "self-cultivation. Eight governs method, attention to detail and a strong sense of "
            "justice and fairness. When this number appears in your chart, you are likely to be "
            "dependable, loyal and discerning, a person who thinks carefully before acting and who "
            "earns respect through quiet competence rather than loud words or hasty promises."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "People with a single 8 in their birth chart are determined and orderly, and they like "
            "to see every task through. Two 8s bring a keen eye for detail and a love of order. "
            "Three or more 8s suggest great ambition, but you may often find it hard to relax."),
        nullptr,
    },
    // 9
    {
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "Number nine represents an extraordinary energy level. It is the highest of the single "
            "numbers, and it stands for completion, vision and the wisdom that comes at the end of "
            "a "
            "long journey. In the Lo Shu square it sits in the south, linked with Fire and with "
            "fame "
            "and recognition. When this number appears in your chart, you are likely to be "
            "idealistic, ambitious and generous, with a wish to help others and to leave the world "
            "a "
            "better place than you found it."),
        QT_TRANSLATE_NOOP(
            "NumberReadings",
            "A person with a single 9 in his chart is idealistic and has a broad, humane outlook. "
            "Two 9s give a sharp mind and a tendency to judge others harshly. Three or more 9s "
            "suggest a brilliant but restless soul."),
        nullptr,
    },
};

} // namespace

QStringList numberReadingParagraphs(int number)
{
    QStringList paragraphs;
    if (number < 1 || number > 9)
        return paragraphs;
    for (const char *paragraph : kParagraphs[number - 1]) {
        if (paragraph)
            paragraphs.append(QCoreApplication::translate("NumberReadings", paragraph));
    }
    return paragraphs;
}

QString NumberReadings(int number)
{
    return numberReadingParagraphs(number).join(QStringLiteral("\r\n\r\n"));
}

} // namespace modNineStarKey
