select :A-B, :A_H_B /* c */ -- d
 from X